#!/bin/bash
# Checks that the program's folders include only folders in the layers below
# them. The layers, lowest first (the README's layout table shows the same);
# folders on one line stand side by side and include none of each other:
layers=(
  "core"
  "framework"
  "storage controls decoration"
  "dialogs history quickselect"
  "mainwnd"
  "app"
)
# res/ holds only resource ids and scripts; any layer may include it.
# Prints each include that points up or sideways; exits 1 when there is one.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

declare -A rank
for i in "${!layers[@]}"; do
  for folder in ${layers[$i]}; do
    rank[$folder]=$i
  done
done

status=0
for folder in "${!rank[@]}"; do
  [ -d "$root/$folder" ] || continue
  while IFS=: read -r file line include; do
    target=${include#*\"}
    target=${target%%/*}
    [ "$target" = "$folder" ] && continue
    [ -n "${rank[$target]:-}" ] || continue
    if [ "${rank[$target]}" -ge "${rank[$folder]}" ]; then
      echo "${file#"$root"/}:$line: $folder may not include $target:${include#*#include}"
      status=1
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' -E '^[[:space:]]*#[[:space:]]*include[[:space:]]+"[^"/]+/' "$root/$folder")
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
