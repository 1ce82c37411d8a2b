# reports.cfg as text: its first two bytes, then its UTF-16LE lines with the
# carriage returns made visible.
if [ -f reports.cfg ]; then
  head -c 2 reports.cfg | od -An -tx1
  tail -c +3 reports.cfg | iconv -f UTF-16LE -t UTF-8 | sed 's/\r$/\\r/'
else
  echo "no reports.cfg"
fi
