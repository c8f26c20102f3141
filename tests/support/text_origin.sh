# Where a text starts on a printed page, as Ghostscript's text extraction reads a PDF or
# PostScript file: "x y" in whole points from the page's top-left corner, y on the baseline
# (where the text stands whatever the embedded font says of its height). The text is found
# by its first two characters (outside ASCII), at their first occurrence. Sourced by tests; reads the code points as
# the little-endian machines this runs on hold them.
text_origin() { # file, text
  local first second
  read -r first second < <(printf '%s' "$2" | iconv -f UTF-8 -t UTF-32LE | od -An -v -tx4 |
    tr -s ' ' '\n' | sed -e '/^$/d' -e 's/^0*//' | head -n 2 | paste -sd ' ')
  gs -q -dNOPAUSE -dBATCH -sDEVICE=txtwrite -dTextFormat=0 -sOutputFile=- "$1" 2>/dev/null |
    awk -v a="c=\"&#x$first;\"" -v b="c=\"&#x$second;\"" '
      /<char / {
        if (index($0, b) && previous != "") { print previous; exit }
        previous = ""
        if (index($0, a)) { split($0, f, "\""); split(f[2], box, " "); previous = box[1] " " box[2] }
      }'
}
