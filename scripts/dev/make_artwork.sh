#!/usr/bin/env bash
# Renders the program's artwork from the hand-written SVG sources in resources/art/ to PNG and
# embeds the PNG bytes in C++ sources under gui/ui/generated/, so that building the program needs
# neither ImageMagick nor the SVG sources. It also renders the desktop's program icon at every
# size of the icon theme into resources/icons/hicolor/, with a plain SVG copy for the scalable
# size. Run it after changing an SVG and commit what it writes.
#
# Shapes are rendered at 16 times the target size and reduced with a box filter: every pixel gets
# the exact coverage of its square, which keeps 16-pixel glyphs crisp where they sit on whole
# pixels and smooth where they do not. ImageMagick's own SVG reader knows no gradients, no
# opacity attributes and no transforms, so the sources use flat colours, #RRGGBBAA for translucent
# ones and plain coordinates.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
art=$root/resources/art
png_dir=$art/png
out_dir=$root/gui/ui/generated
supersample=16

# name            source              width height
artwork_table='
program_16        program_16.svg      16    16
program_32        program.svg         32    32
program_48        program.svg         48    48
lock_16           lock_16.svg         16    16
lock_32           lock.svg            32    32
modified          modified.svg        16    16
unmodified        unmodified.svg      16    16
welcome           welcome.svg         160   120
key               key.svg             48    48
folder            folder.svg          16    16
open_folder       open_folder.svg     16    16
record            record.svg          16    16
field_description field_description.svg 16 16
field_username    field_username.svg  16    16
field_password    field_password.svg  16    16
field_title       field_title.svg     16    16
field_serial      field_serial.svg    16    16
field_credit_card field_credit_card.svg 16 16
field_bank        field_bank.svg      16    16
field_account     field_account.svg   16    16
field_phone       field_phone.svg     16    16
field_date_assigned field_date_assigned.svg 16 16
field_date_expires  field_date_expires.svg  16 16
notes_16          notes_16.svg        16    16
qa_back_skin      qa_back_skin.svg    200   250
qa_back_plain     qa_back_plain.svg   200   250
qa_pin_in         qa_pin_in.svg       24    24
qa_pin_out        qa_pin_out.svg      24    24
qa_skin_search   qa_skin_search.svg  24    24
qa_plain_search  qa_plain_search.svg 24    24
qa_skin_copy     qa_skin_copy.svg  24    24
qa_plain_copy    qa_plain_copy.svg 24    24
qa_skin_paste    qa_skin_paste.svg  24    24
qa_plain_paste   qa_plain_paste.svg 24    24
qa_skin_editor   qa_skin_editor.svg  24    24
qa_plain_editor  qa_plain_editor.svg 24    24
qa_skin_close    qa_skin_close.svg  24    24
qa_plain_close   qa_plain_close.svg 24    24
button_add_folder          button_add_folder.svg 16 16
button_add_subfolder       button_add_subfolder.svg 16 16
button_delete_folder       button_delete_folder.svg 16 16
button_rename_folder       button_rename_folder.svg 16 16
button_search_folders      button_search_folders.svg 16 16
button_add_item            button_add_item.svg 16 16
button_delete_item         button_delete_item.svg 16 16
button_edit_item           button_edit_item.svg 16 16
button_search_items        button_search_items.svg 16 16
button_generate            button_generate.svg 16 16
button_import              button_import.svg 16 16
button_export              button_export.svg 16 16
button_report              button_report.svg 16 16
button_launch_url          button_launch_url.svg 16 16
button_send_email          button_send_email.svg 16 16
'

# The desktop's program icon "vaultkeep": each size from the drawing made for it.
icon_table='
16  program_16.svg
24  program_24.svg
32  program.svg
48  program.svg
64  program.svg
128 program.svg
256 program.svg
'
icon_dir=$root/resources/icons/hicolor

# The toolbar's and the menus' pictures and the tip's bulb, written to component_art_data.*:
# every toolbar picture is drawn once on a 16-pixel grid and rendered at 16 and 32 pixels.
component_table='
bulb              bulb.svg            48    48
menu_cut          menu_cut.svg        16    16
menu_copy         menu_copy.svg       16    16
menu_paste        menu_paste.svg      16    16
menu_clear        menu_clear.svg      16    16
menu_undo         menu_undo.svg       16    16
'
for tool in new open save save_as import export report add_folder add_subfolder rename_folder \
    delete_folder search_folders add_item edit_item delete_item search_items generate \
    master_password options help about; do
    component_table+="tb_${tool}_16 tb_${tool}.svg 16 16"$'\n'
    component_table+="tb_${tool}_32 tb_${tool}.svg 32 32"$'\n'
done

command -v convert >/dev/null || { echo "make_artwork.sh: ImageMagick's convert is needed" >&2; exit 1; }

# The width the SVG declares on its root element: the scale of the rendering follows from it.
svg_width() {
    local width
    width=$(tr '\n' ' ' <"$1" | sed -n 's/^.*<svg[^>]* width="\([0-9][0-9]*\)".*$/\1/p')
    [ -n "$width" ] || { echo "make_artwork.sh: $1 declares no whole-pixel width" >&2; exit 1; }
    echo "$width"
}

render() {  # source, output png, width, height[, samples per pixel along one side]
    local source=$1 output=$2 width=$3 height=$4 supersample=${5:-$supersample} declared big
    declared=$(svg_width "$source")
    # ImageMagick reads SVG user units at 96 dots per inch.
    local density=$((96 * supersample * width / declared))
    big=$(convert -background none -density "$density" "MSVG:$source" -format '%wx%h' info:)
    if [ "$big" != "$((supersample * width))x$((supersample * height))" ]; then
        echo "make_artwork.sh: $source renders at $big, not ${width}x${height} times $supersample" >&2
        exit 1
    fi
    convert -background none -density "$density" "MSVG:$source" -filter box \
        -resize "${width}x${height}!" -strip -define png:exclude-chunks=date,time \
        -define png:compression-level=9 "PNG32:$output"
}

# The bytes of a file as C array elements, twelve to a line.
c_bytes() {
    od -An -v -tx1 "$1" | tr -s ' \n' '  ' | tr ' ' '\n' | sed '/^$/d' |
        awk '{ printf "%s0x%s,", (NR % 12 == 1 ? "    " : " "), $1; if (NR % 12 == 0) printf "\n" }
             END { if (NR % 12 != 0) printf "\n" }'
}

mkdir -p "$png_dir" "$out_dir"

# Renders one table and writes its C++ files: table, base name of the files, what they hold.
write_table() {
    local table=$1 base=$2 about=$3 header source_file names=()
    header=$out_dir/$base.h
    source_file=$out_dir/$base.cpp
    while read -r name svg width height; do
        [ -n "$name" ] || continue
        render "$art/$svg" "$png_dir/$name.png" "$width" "$height"
        names+=("$name")
    done <<<"$table"

    {
        echo "// Generated by scripts/dev/make_artwork.sh from resources/art/*.svg: do not edit."
        echo "// $about as PNG files, compiled in."
        echo "#pragma once"
        echo
        echo "namespace vk::art_data {"
        echo
        echo "// Each array holds one whole PNG file; its size is the array's size."
        for name in "${names[@]}"; do
            echo "extern const unsigned char kArt_${name}[$(wc -c <"$png_dir/$name.png")];"
        done
        echo
        echo "}  // namespace vk::art_data"
    } >"$header"

    {
        echo "// Generated by scripts/dev/make_artwork.sh from resources/art/*.svg: do not edit."
        echo "// clang-format off"
        echo "#include \"gui/ui/generated/$base.h\""
        echo
        echo "namespace vk::art_data {"
        for name in "${names[@]}"; do
            echo
            echo "const unsigned char kArt_${name}[] = {"
            c_bytes "$png_dir/$name.png"
            echo "};"
        done
        echo
        echo "}  // namespace vk::art_data"
    } >"$source_file"
    echo "make_artwork.sh: ${#names[@]} images written to $png_dir, C++ in $source_file"
}

write_table "$artwork_table" artwork_data "The program's artwork"
write_table "$component_table" component_art_data "The toolbar's, the menus' and the tip's pictures"

while read -r size svg; do
    [ -n "$size" ] || continue
    mkdir -p "$icon_dir/${size}x${size}/apps"
    # Large icons need fewer samples per pixel: the rendering stays near 1024 pixels wide.
    samples=$supersample
    [ "$size" -le 64 ] || samples=$((1024 / size))
    render "$art/$svg" "$icon_dir/${size}x${size}/apps/vaultkeep.png" "$size" "$size" "$samples"
done <<<"$icon_table"

# The scalable icon is read by every SVG renderer of the desktop: translucent colours are
# spelt the SVG 1.1 way, as a colour and an opacity.
mkdir -p "$icon_dir/scalable/apps"
perl -pe 's/(fill|stroke)="#([0-9A-Fa-f]{6})([0-9A-Fa-f]{2})"/sprintf(q{%s="#%s" %s-opacity="%.3g"}, $1, $2, $1, hex($3) \/ 255)/ge' \
    "$art/program.svg" >"$icon_dir/scalable/apps/vaultkeep.svg"

echo "make_artwork.sh: icons in $icon_dir"
