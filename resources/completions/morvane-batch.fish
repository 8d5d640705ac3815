# fish completion for morvane-batch
# One line per option, with the commands that take it. A test compares these with
# `morvane-batch <command> --help`, so a new option or command fails it until it is
# added here.

set -l commands rename ext case replace add convert map presets undo
set -l run_commands rename ext case replace add convert map undo
set -l path_commands rename ext case replace add convert
set -l cased_commands rename ext case replace add map
set -l modes rename ext replace add

complete -c morvane-batch -f
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -s h -l help -d 'Print help and exit'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -l version -d 'Print the version and exit'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a rename -d 'Number the files: front part, running number, back part'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a ext -d 'Give every file a new extension'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a case -d 'Convert the letter case of names and extensions'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a replace -d 'Replace a text in the names'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a add -d 'Put a text in front of or behind every name'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a convert -d 'Convert the characters of the names: width, kana, normalization, letter case'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a map -d 'Give each file of a list the new name it lists'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a presets -d 'List the saved presets'
complete -c morvane-batch -n "not __fish_seen_subcommand_from $commands" -a undo -d 'Take back a run'

# Past the command: files and folders to work on.
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands map" -F
complete -c morvane-batch -n "__fish_seen_subcommand_from $commands" -s h -l help -d 'Print the options of the command'

complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l front -x -d 'Text before the number'
complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l start -x -d 'First number, 1 to 8 digits'
complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l back -x -d 'Text after the number'
complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l increment -x -d 'Step between numbers'
complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l order -x -a 'name ext size date user natural taken' -d 'Numbering order'
complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l descending -d 'Number in reverse order'
complete -c morvane-batch -n "__fish_seen_subcommand_from replace" -l find -x -d 'The text to replace'
complete -c morvane-batch -n "__fish_seen_subcommand_from replace" -l replace-with -x -d 'The replacement'
complete -c morvane-batch -n "__fish_seen_subcommand_from replace" -l ignore-case -d 'Match letters of either case'
complete -c morvane-batch -n "__fish_seen_subcommand_from replace" -l regex -d 'The text to replace is a regular expression'
complete -c morvane-batch -n "__fish_seen_subcommand_from add" -l prefix -x -d 'Text in front of every name'
complete -c morvane-batch -n "__fish_seen_subcommand_from add" -l suffix -x -d 'Text behind every name'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l alnum -x -a 'half full' -d 'ASCII letters and digits to half or full width'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l symbols -x -a 'half full' -d 'ASCII symbols to half or full width'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l space -x -a 'half full' -d 'The space to half or full width'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l katakana -x -a 'half full' -d 'Katakana to half or full width'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l kana -x -a 'katakana hiragana' -d 'Hiragana to katakana or back'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l normalize -x -a 'nfc nfd' -d 'Unicode normalization form of the name'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l letters -x -a 'lower upper' -d 'Every cased letter to lower or upper case'
complete -c morvane-batch -n "__fish_seen_subcommand_from convert" -l ext-too -d 'Convert the extension too'
complete -c morvane-batch -n "__fish_seen_subcommand_from $modes" -l new-ext -x -d 'The new extension, without the dot'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands" -l types -x -d 'Only these extensions, comma-separated'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands" -l preset -x -d 'Take the options of this preset'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands" -l save-preset -x -d 'Save the options given as this preset'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands" -l subfolders -d 'Walk the folders below each folder too'
complete -c morvane-batch -n "__fish_seen_subcommand_from $cased_commands" -l name-case -x -a 'none upper lower' -d 'Letter case of the new name'
complete -c morvane-batch -n "__fish_seen_subcommand_from $cased_commands" -l ext-case -x -a 'none upper lower' -d 'Letter case of the extension'
complete -c morvane-batch -n "__fish_seen_subcommand_from rename" -l on-conflict -x -a 'ask overwrite auto skip abort' -d 'When a new name is taken'
complete -c morvane-batch -n "__fish_seen_subcommand_from ext case replace add convert map" -l on-conflict -x -a 'ask overwrite skip abort' -d 'When a new name is taken'
complete -c morvane-batch -n "__fish_seen_subcommand_from $run_commands" -l yes -d 'Answer Yes to the questions before a run'
complete -c morvane-batch -n "__fish_seen_subcommand_from $run_commands" -l dry-run -d 'Show what the run would do; change nothing'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands map" -l plan -d 'The plan for scripts, NUL-ended records'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands map" -l resolve-chains -d 'Let waiting files step aside to a temporary name'
complete -c morvane-batch -n "__fish_seen_subcommand_from $run_commands" -l log -d 'Also append to Rename.log'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands map" -l in-place -d 'Rename the files in their own folders'
complete -c morvane-batch -n "__fish_seen_subcommand_from $path_commands map" -l output -x -a '(__fish_complete_directories (commandline -ct))' -d 'Copy into this absolute folder'
complete -c morvane-batch -n "__fish_seen_subcommand_from map" -s 0 -l null -d 'The list is NUL-ended records'
complete -c morvane-batch -n "__fish_seen_subcommand_from undo" -l list -d 'List the kept journals; change nothing'
complete -c morvane-batch -n "__fish_seen_subcommand_from undo" -l run -x -d 'The journal to undo, by its id'
complete -c morvane-batch -n "__fish_seen_subcommand_from undo" -s n -d 'Print what undo would do; change nothing'
complete -c morvane-batch -n "__fish_seen_subcommand_from undo" -s y -d 'Undo without asking'
