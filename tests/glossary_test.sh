#!/usr/bin/env bash
# Every public field and procedure of Form1, those of the parts it inherits included, is named
# in docs/GLOSSARY.md in backquotes. Fails naming each one missing; --list prints them all.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
form="$root/shell/Form1.h"
glossary="$root/docs/GLOSSARY.md"

# The parts are the bases in Form1's declaration, each declared as a struct in a header that
# Form1.h includes.
parts=$(sed -n '/^class Form1 :/,/{/p' "$form" | sed 's|//.*||' | grep -o 'public [A-Za-z]*' |
  cut -d' ' -f2)
headers=$(grep -o '^#include "[^"]*"' "$form" | cut -d'"' -f2)

part_body() {
  for h in $headers; do sed -n "/^struct $1 {/,/^};/p" "$root/$h" | sed '1d;$d'; done
}
form_public() {
  sed -n '/^class Form1 :/,/^ private:/p' "$form" | sed '1,/^ public:/d;$d'
}

# One name a line from member declarations: the word before the parameters of a procedure,
# every declarator of a field. Lines that carry on a declaration are passed over.
names() {
  local open=0 line head
  sed 's|//.*||' | while IFS= read -r line; do
    line="${line#"${line%%[![:space:]]*}"}"
    line="${line%"${line##*[![:space:]]}"}"
    local was_open=$open
    [[ -z "$line" || "$line" =~ [\;\{\}]$ ]] && open=0 || open=1
    ((was_open)) && continue
    [[ -z "$line" || "$line" =~ ^(using|template|public:|private:|explicit) ]] && continue
    if [[ "$line" == *"("* ]]; then
      head="${line%%(*}"
      head="${head##*[[:space:]*&]}"
      [[ "$head" == Form1 || "$head" == operator* ]] || echo "$head"
    else
      sed -E 's/\[[^]]*\]//g; s/=[^,;]*//g; s/;.*//' <<<"$line" | tr ',' '\n' |
        sed -E 's/[[:space:]]+$//; s/.*[[:space:]*&]//'
    fi
  done
}

all=$({
  for p in $parts; do part_body "$p"; done
  form_public
} | names)
if [[ "${1:-}" == "--list" ]]; then
  echo "$all"
  exit 0
fi

missing=0
while IFS= read -r name; do
  if ! grep -qF "\`$name\`" "$glossary"; then
    echo "docs/GLOSSARY.md does not name \`$name\`" >&2
    missing=$((missing + 1))
  fi
done <<<"$all"
echo "$(wc -l <<<"$all") names of Form1, $missing missing from the glossary"
((missing == 0))
