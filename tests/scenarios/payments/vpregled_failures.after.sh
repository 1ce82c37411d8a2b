bash "$KASAVEL_SCENARIO_DIR/payments_dump.sh"
for f in *.xml; do echo "== $f"; xmllint --noout "$f" && echo "well-formed"; done
