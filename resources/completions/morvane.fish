# fish completion for morvane, the window program: files and folders, and three options.
complete -c morvane -s h -l help -d 'Print help and exit'
complete -c morvane -l version -d 'Print the version and exit'
