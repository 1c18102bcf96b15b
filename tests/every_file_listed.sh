#!/bin/sh
# The build lists its files by name: one added to the tree but not to a list
# would go unbuilt, or a suite unrun, without a word. This names each such
# file. Arguments: the repository, then every file the build lists (relative
# to the repository).
set -eu
cd "$1"
shift
listed=" $* "
status=0
for file in app/*.cpp app/*.h app/*/*.cpp app/*/*.h drill/*.cpp drill/*.h blackboard/*.cpp blackboard/*.h \
    rewards/*.cpp rewards/*.h pictures/*.cpp pictures/*.h \
    tests/test_*.cpp tests/x11_*.cpp tests/leak_*.cpp tests/e2e/e2e_*.sh tests/soak/*.cpp tests/soak/*.h; do
  [ -e "$file" ] || continue  # a pattern that matched nothing
  case $listed in
    *" $file "*) ;;
    *) echo "in the tree but in no list of the build: $file"; status=1 ;;
  esac
done
exit $status
