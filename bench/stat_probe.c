/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The plain way to rescan, for comparison: one stat() per catalogue name and folder, and the
 * folders' hits saved as the front-end saves its list files (temporaries synced together, then
 * renamed, then the folder synced), so both pay the same for the disk.
 * Usage: zembra_stat_probe FOLDERS-FILE OUT-FOLDER, where FOLDERS-FILE holds the catalogue's
 * file on its first line, then a folder and its extension on two lines each; an OUT-FOLDER of
 * "-" saves nothing. */
#define _GNU_SOURCE /* sync_file_range */
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

/* The lists wait here until every folder is scanned; then they are saved as the front-end saves
 * its list files: every temporary written, their writeback started together and each synced
 * (one journal commit for all), then the renames, then one sync of the folder. */
static char* lists[kMaxFolders];
static size_t listSizes[kMaxFolders];

static void fail(const char* what) {
    perror(what);
    exit(1);
}

static void saveAll(const char* folder, int count) {
    char paths[kMaxFolders][kLine], temporaries[kMaxFolders][kLine];
    int fds[kMaxFolders];
    for (int f = 0; f < count; ++f) {
        snprintf(paths[f], kLine, "%s/probe%02d.lst", folder, f + 1);
        snprintf(temporaries[f], kLine, "%s/.probe%02d.lst.tmp", folder, f + 1);
        fds[f] = open(temporaries[f], O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fds[f] < 0 || write(fds[f], lists[f], listSizes[f]) != (ssize_t)listSizes[f]) {
            fail(temporaries[f]);
        }
    }
    for (int f = 0; f < count; ++f) {
        sync_file_range(fds[f], 0, 0, SYNC_FILE_RANGE_WRITE);
    }
    for (int f = 0; f < count; ++f) {
        if (fdatasync(fds[f]) != 0 || close(fds[f]) != 0) {
            fail(temporaries[f]);
        }
    }
    for (int f = 0; f < count; ++f) {
        if (rename(temporaries[f], paths[f]) != 0) {
            fail(paths[f]);
        }
    }
    int dir = open(folder, O_RDONLY | O_DIRECTORY);
    if (dir < 0 || fsync(dir) != 0 || close(dir) != 0) {
        fail(folder);
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
    long hits = 0;
    for (int f = 0; f < folderCount; ++f) {
        static char list[kMaxNames * 600];
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
        lists[f] = malloc(used + 1);
        if (lists[f] == NULL) {
            fail("malloc");
        }
        memcpy(lists[f], list, used);
        listSizes[f] = used;
    }
    if (strcmp(argv[2], "-") != 0) {
        saveAll(argv[2], folderCount);
    }
    printf("%d names, %d folders, %ld hits\n", count, folderCount, hits);
    return 0;
}
