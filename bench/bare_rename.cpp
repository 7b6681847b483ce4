// The floor for renaming a folder of numbered tracks: one renameat2 per file,
// "trackN.mp3" to "NNNNN - track.mp3", nothing else (no listing, no checks).
#include <cstdio>
#include <fcntl.h>
#include <stdio.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    const int folder = ::open(argv[1], O_RDONLY | O_DIRECTORY);
    const int count = std::stoi(argv[2]);
    char target[64];
    for (int i = 1; i <= count; ++i) {
        const std::string source = "track" + std::to_string(i) + ".mp3";
        std::snprintf(target, sizeof target, "%05d - track.mp3", i);
        if (::renameat2(folder, source.c_str(), folder, target, RENAME_NOREPLACE) != 0)
            return 1;
    }
    return 0;
}
