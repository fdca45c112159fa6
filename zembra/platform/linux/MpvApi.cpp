// SPDX-License-Identifier: GPL-3.0-or-later
// Opens libmpv with dlopen and fills the table of the functions the media player uses.
#include "zembra/platform/linux/MpvApi.h"

#include <dlfcn.h>

namespace zembra {

namespace {

template <typename Function>
bool find(void* library, const char* name, Function& slot, std::string& error) {
    slot = reinterpret_cast<Function>(::dlsym(library, name));
    if (slot == nullptr) {
        error = std::string("libmpv has no ") + name;
    }
    return slot != nullptr;
}

} // namespace

std::shared_ptr<const MpvApi> MpvApi::load(std::string& error, const char* library) {
    // Never closed: mpv's threads and the libraries it loads stay until the program ends, and
    // a second player finds it loaded already.
    // Lazily bound: of the thousands of functions its libraries offer, few are ever called.
    void* handle = ::dlopen(library, RTLD_LAZY | RTLD_LOCAL);
    if (handle == nullptr) {
        const char* why = ::dlerror();
        error = why != nullptr ? why : "libmpv cannot be loaded";
        return nullptr;
    }
    auto api = std::make_shared<MpvApi>();
    const bool complete = find(handle, "mpv_create", api->create, error) &&
                          find(handle, "mpv_initialize", api->initialize, error) &&
                          find(handle, "mpv_terminate_destroy", api->terminateDestroy, error) &&
                          find(handle, "mpv_set_option", api->setOption, error) &&
                          find(handle, "mpv_set_option_string", api->setOptionString, error) &&
                          find(handle, "mpv_set_property_async", api->setPropertyAsync, error) &&
                          find(handle, "mpv_command_async", api->commandAsync, error) &&
                          find(handle, "mpv_wait_event", api->waitEvent, error) &&
                          find(handle, "mpv_set_wakeup_callback", api->setWakeupCallback, error) &&
                          find(handle, "mpv_error_string", api->errorString, error);
    if (!complete) {
        return nullptr;
    }
    return api;
}

} // namespace zembra
