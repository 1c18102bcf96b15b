#!/bin/sh
# Validates the metainfo (`validate FILE`) or an installed tree
# (`validate-tree DIR`) with the appstreamcli that is installed, as strictly
# as that version allows: every issue above a pedantic hint fails, but for
# the ones below, which ask for what no single file can give both versions or
# for a fact the project does not have.
#
# - AppStream 0.16 (Debian 12) does not know the <developer> block that 1.0
#   (Debian 13) asks for in place of <developer_name>: "unknown-tag developer".
# - AppStream 1.0 asks for a homepage, and the project has none:
#   "url-homepage-missing".
set -eu
command=$1
path=$2
version=$(appstreamcli --version | sed -n 's/^AppStream version: *//p')
case $version in
  0.*) accepted='^I: [^ ]*: unknown-tag developer$' ;;
  *) accepted='^W: [^ ]*: url-homepage-missing$' ;;
esac
status=0
out=$(appstreamcli "$command" --no-net "$path" 2>&1) || status=$?
issues=$(printf '%s\n' "$out" | grep -E '^[EWI]: ' | grep -v -E "$accepted" || true)
if [ -n "$issues" ] || [ "$status" -gt 3 ]; then
  printf '%s\n' "$out"
  echo "FAIL: appstreamcli $version reports the issues above" >&2
  exit 1
fi
echo "appstreamcli $version: valid (accepted: $(printf '%s\n' "$out" | grep -c -E "$accepted" || true) known issue)"
