# fish completion for tervane-cli

set -l commands preview rename undo
complete -c tervane-cli -f
complete -c tervane-cli -n "not __fish_seen_subcommand_from $commands" -a preview -d 'Show the new names beside the current ones'
complete -c tervane-cli -n "not __fish_seen_subcommand_from $commands" -a rename -d 'Rename the files'
complete -c tervane-cli -n "not __fish_seen_subcommand_from $commands" -a undo -d 'Undo the last renaming of the folder'
complete -c tervane-cli -n "__fish_seen_subcommand_from $commands" -a '(__fish_complete_directories)'

complete -c tervane-cli -l names -r -F -d 'One name per line from a text file, a pipe or a device'
complete -c tervane-cli -l file-names -d 'The current file names'
complete -c tervane-cli -l template -x -d 'A template where [NUM] is the running number'
complete -c tervane-cli -l tags -d 'The titles read from the files'
complete -c tervane-cli -l width -x -a '0 2 3 4 5 6 7 8 9' -d 'The zero-fill width of the number'
complete -c tervane-cli -l episode -x -a 'x se' -d 'The folder name as a series and season'
complete -c tervane-cli -l settings -r -F -d 'The settings file to read'
complete -c tervane-cli -l pattern -x -d 'The files to list, such as "*.mp3;*.wma"'
complete -c tervane-cli -l numeric -d 'List the files in numeric order'
complete -c tervane-cli -l replace -x -d 'Replace each FROM in the names, whatever its case, by TO'
complete -c tervane-cli -l regex -d 'FROM is a regular expression; TO may repeat its groups as \\1 to \\9'
complete -c tervane-cli -l yes -d 'Rename even when new names are already taken'
complete -c tervane-cli -l forget-interrupted -d 'Rename even when the last renaming was interrupted'
complete -c tervane-cli -l in-order -d 'Rename row by row, without ordering chains and swaps'
complete -c tervane-cli -s z -l null -d 'List the names raw, each ended by a NUL'
complete -c tervane-cli -s n -l dry-run -d 'Show what would be renamed, and rename nothing'
complete -c tervane-cli -s v -l verbose -d 'Tell each rename as it is made'
complete -c tervane-cli -s h -l help -d 'Show the usage, and where the journals live'
complete -c tervane-cli -s V -l version -d 'Show the version'
