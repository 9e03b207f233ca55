#!/bin/sh
# Fails when a folder of the layer includes one that stands above it: the presenters
# implement the window layer's interface, so nothing below them may include them.
root="${1:?usage: include-direction.sh <source root>}"
status=0
check() {  # <folder> <forbidden include prefix>
  found=$(grep -rn "#include \"$2" "$root/$1" --include='*.h' --include='*.cpp')
  if [ -n "$found" ]; then
    echo "$1 must not include $2:"
    echo "$found"
    status=1
  fi
}
check platform/base platform/present/
check platform/gdi platform/present/
check platform/win platform/present/
exit $status
