// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for renaming a folder of numbered files: one renameat2 per file,
// "<from>N.mp3" to "<to>N.mp3", nothing else (no listing, no checks).
// Usage: bare_rename FOLDER COUNT FROM TO
#include <cstdio>
#include <fcntl.h>
#include <stdio.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 5)
        return 2;
    const int folder = ::open(argv[1], O_RDONLY | O_DIRECTORY);
    const int count = std::stoi(argv[2]);
    const std::string from = argv[3];
    const std::string to = argv[4];
    for (int i = 1; i <= count; ++i) {
        const std::string number = std::to_string(i) + ".mp3";
        if (::renameat2(folder, (from + number).c_str(), folder, (to + number).c_str(),
                        RENAME_NOREPLACE) != 0)
            return 1;
    }
    return 0;
}
