// SPDX-License-Identifier: GPL-3.0-or-later
// Finding the machine's sound outputs from sockets and the kernel's list of cards.
#include "zembra/platform/linux/AudioOutputs.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>
#include <utility>

namespace zembra {

namespace {

bool present(const char* value) {
    return value != nullptr && *value != '\0';
}

bool isThere(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

std::string audioOutputList(const AudioServers& servers) {
    std::string list;
    for (const auto& [found, name] :
         {std::pair{servers.pipewire, "pipewire"}, std::pair{servers.pulse, "pulse"},
          std::pair{servers.alsa, "alsa"}}) {
        if (found) {
            list += name;
            list += ',';
        }
    }
    return list + "null";
}

AudioServers findAudioServers(const char* runtimeFolder, const char* pipewireRemote,
                              const char* pulseServer, const std::string& cardsFile) {
    AudioServers servers;
    const bool runtime = present(runtimeFolder);
    servers.pipewire = present(pipewireRemote) ||
                       (runtime && isThere(std::filesystem::path(runtimeFolder) / "pipewire-0"));
    servers.pulse = present(pulseServer) ||
                    (runtime && isThere(std::filesystem::path(runtimeFolder) / "pulse" / "native"));
    // The kernel lists one card per two lines, or says that there is none.
    std::ifstream cards(cardsFile);
    std::stringstream text;
    text << cards.rdbuf();
    const std::string listed = text.str();
    servers.alsa =
        listed.find('[') != std::string::npos && listed.find("no soundcards") == std::string::npos;
    return servers;
}

} // namespace zembra
