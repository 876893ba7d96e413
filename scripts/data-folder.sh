#!/usr/bin/env bash
# Prints the folder in which scripts/run.sh keeps the editor's data: the
# user's data folder as the given editor executable names it (made when
# missing). The data files that runs before kept beside the executable, in
# the build folder, are moved there once, while the user's data folder holds
# none of its own; when both hold data, both stay as they are and this says
# so on every run.
set -euo pipefail

executable="$1"
build_folder="$(dirname "$executable")"
data_folder="$("$executable" --user-data-folder)"

# What a program folder holds that is the user's: the databases with their
# backups and leftovers, the licence file and the default files ("temp" is
# emptied after every use and stays).
data_files() {
  local folder="$1" item
  shopt -s nullglob
  for item in "$folder"/Projectors.* "$folder"/RS232Serials.* "$folder"/InfraRed.* \
              "$folder/Software License Agreement.rtf"; do
    if [ -e "$item" ]; then printf '%s\n' "$item"; fi
  done
  if [ -d "$folder/Defaults" ] && [ -n "$(ls -A "$folder/Defaults")" ]; then
    printf '%s\n' "$folder/Defaults"
  fi
}

mapfile -t left_in_build < <(data_files "$build_folder")
if [ ${#left_in_build[@]} -gt 0 ]; then
  mapfile -t already_there < <(data_files "$data_folder")
  if [ ${#already_there[@]} -eq 0 ]; then
    # The build's "Defaults" takes the place of the empty one the editor
    # makes on starting.
    mv -- "${left_in_build[@]}" "$data_folder/"
    echo "Moved the editor's data files from $build_folder to $data_folder" >&2
  else
    echo "Left the editor's data files in $build_folder, which a clean build deletes:" \
         "$data_folder holds data files of its own. Move what you need by hand." >&2
  fi
fi
printf '%s\n' "$data_folder"
