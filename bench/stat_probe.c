/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The plain way to rescan, for comparison: one stat() per catalogue name and folder, and each
 * folder's hits saved as the front-end saves a list file (temporary file, fsync, rename, folder
 * fsync). Usage: zembra_stat_probe FOLDERS-FILE OUT-FOLDER, where FOLDERS-FILE holds the
 * catalogue's file on its first line, then a folder and its extension on two lines each; an
 * OUT-FOLDER of "-" saves nothing. */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

enum { kMaxNames = 5000, kMaxFolders = 64, kLine = 4096 };

static char names[kMaxNames][256];
static char descriptions[kMaxNames][256];

static void chomp(char* line) {
    line[strcspn(line, "\r\n")] = '\0';
}

/* The first field of a catalogue line, without its quotes; the rest is kept as it is. */
static int readCatalogue(const char* file) {
    FILE* in = fopen(file, "rb");
    if (in == NULL) {
        perror(file);
        exit(1);
    }
    char line[kLine];
    int count = 0;
    while (count < kMaxNames && fgets(line, sizeof line, in) != NULL) {
        chomp(line);
        const char* field = line;
        if (*field == '"') {
            ++field;
        }
        size_t length = strcspn(field, "\",");
        if (length == 0 || length >= sizeof names[0]) {
            continue;
        }
        memcpy(names[count], field, length);
        names[count][length] = '\0';
        const char* rest = strchr(field + length, ',');
        snprintf(descriptions[count], sizeof descriptions[0], "%s", rest != NULL ? rest + 1 : "");
        ++count;
    }
    fclose(in);
    return count;
}

static void saveAtomically(const char* folder, const char* name, const char* text, size_t size) {
    char path[kLine], temporary[kLine];
    snprintf(path, sizeof path, "%s/%s", folder, name);
    snprintf(temporary, sizeof temporary, "%s/.%s.tmp", folder, name);
    int fd = open(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || write(fd, text, size) != (ssize_t)size || fsync(fd) != 0 || close(fd) != 0 ||
        rename(temporary, path) != 0) {
        perror(path);
        exit(1);
    }
    int dir = open(folder, O_RDONLY | O_DIRECTORY);
    if (dir < 0 || fsync(dir) != 0 || close(dir) != 0) {
        perror(folder);
        exit(1);
    }
}

int main(int argc, char** argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: zembra_stat_probe FOLDERS-FILE OUT-FOLDER\n");
        return 2;
    }
    FILE* in = fopen(argv[1], "rb");
    if (in == NULL) {
        perror(argv[1]);
        return 1;
    }
    char catalogue[kLine], folders[kMaxFolders][kLine], extensions[kMaxFolders][64];
    int folderCount = 0;
    if (fgets(catalogue, sizeof catalogue, in) == NULL) {
        return 1;
    }
    chomp(catalogue);
    while (folderCount < kMaxFolders && fgets(folders[folderCount], kLine, in) != NULL &&
           fgets(extensions[folderCount], sizeof extensions[0], in) != NULL) {
        chomp(folders[folderCount]);
        chomp(extensions[folderCount]);
        ++folderCount;
    }
    fclose(in);
    const int count = readCatalogue(catalogue);
    static char list[kMaxNames * 600];
    long hits = 0;
    for (int f = 0; f < folderCount; ++f) {
        size_t used = 0;
        for (int i = 0; i < count; ++i) {
            char path[kLine];
            struct stat status;
            snprintf(path, sizeof path, "%s/%s%s", folders[f], names[i], extensions[f]);
            if (stat(path, &status) == 0 && S_ISREG(status.st_mode)) {
                used += (size_t)snprintf(list + used, sizeof list - used, "\"%s\",%s\r\n",
                                         names[i], descriptions[i]);
                ++hits;
            }
        }
        char name[64];
        snprintf(name, sizeof name, "probe%02d.lst", f + 1);
        if (strcmp(argv[2], "-") != 0) {
            saveAtomically(argv[2], name, list, used);
        }
    }
    printf("%d names, %d folders, %ld hits\n", count, folderCount, hits);
    return 0;
}
