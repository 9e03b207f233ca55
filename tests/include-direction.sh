#!/bin/sh
# Fails when a folder of the system includes one it does not build on. Each check names
# what stands below the folder: platform at the bottom, program at the top.
root="${1:?usage: include-direction.sh <source root>}"
status=0
check() {  # <folder> <folders it may include besides itself>...
  folder=$1
  if [ ! -d "$root/$folder" ]; then
    echo "$folder is missing"
    status=1
    return
  fi
  allowed=$(printf '%s|' "$@")
  found=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"/]+/' "$root/$folder" \
            --include='*.h' --include='*.cpp' |
          grep -vE "include[[:space:]]*\"(${allowed%|})/")
  if [ -n "$found" ]; then
    echo "$folder may include only $*:"
    echo "$found"
    status=1
  fi
}
check platform
check media platform
check card platform
check res platform
check app platform media
check skin platform media app
check dialogs platform media card res app skin
check player platform media card res app skin dialogs
check program platform media card res app skin dialogs player
exit $status
