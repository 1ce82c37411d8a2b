# Each file's bytes, with the carriage returns and line feeds made visible.
for f in *.csv; do
  perl -0777 -ne 'print "$ARGV: ", s/\r/\\r/gr =~ s/\n/\\n/gr, "\n"' "$f"
done
