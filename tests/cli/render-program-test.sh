#!/bin/sh
# kalvora-cli starts without Qt; its picture and offer commands run kalvora-render beside it,
# picture one PNG per input, the inputs also from standard input.
#   render-program-test.sh KALVORA_CLI
cli=$1
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
status=0
if ldd "$cli" | grep -q libQt; then
    echo "FAIL: kalvora-cli links Qt:"; ldd "$cli" | grep libQt; status=1
fi
printf 'Zt!F!!!t!.!!!!!!!!!!\n' > "$folder/comfort.klv"
printf '%s\n' "$folder/comfort.klv" '###########' |
    "$cli" picture --size 40x16 --output-dir "$folder/out" --name '{n}-{name}.png' - '####################' || status=1
for name in 1-comfort.png 2-###########.png 3-####################.png; do
    if [ "$(od -An -tx1 -N4 "$folder/out/$name" 2>/dev/null | tr -d ' ')" != 89504e47 ]; then
        echo "FAIL: no PNG $name"; status=1
    fi
done
"$cli" picture '####################' "$folder/one.png" || status=1
[ "$(od -An -tx1 -N4 "$folder/one.png" | tr -d ' ')" = 89504e47 ] || { echo "FAIL: one.png"; status=1; }
# What the companion program refuses is reported as kalvora-cli's own error.
err=$("$cli" picture '####################' "$folder/x.png" --size 0x0 2>&1)
[ $? = 2 ] && [ "${err%%
*}" = "kalvora-cli: picture: размер «0x0» не подходит: нужно ШxВ, от 1x1 до 4000x4000" ] ||
    { echo "FAIL: --size 0x0 gave: $err"; status=1; }
# offer runs there too: a PDF from kalvora-cli, which itself loads no Qt.
SOURCE_DATE_EPOCH=0 "$cli" offer '####################' "$folder/offer.pdf" || status=1
[ "$(head -c 5 "$folder/offer.pdf" 2>/dev/null)" = "%PDF-" ] || { echo "FAIL: offer.pdf"; status=1; }
err=$("$cli" offer --date 1900-01-01 '####################' "$folder/y.pdf" 2>&1)
[ $? = 2 ] && [ "${err#kalvora-cli: offer: }" != "$err" ] ||
    { echo "FAIL: offer --date 1900-01-01 gave: $err"; status=1; }
[ $status = 0 ] && echo "render program: ok"
exit $status
