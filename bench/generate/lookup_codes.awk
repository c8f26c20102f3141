# Drug codes to look up, one a line: COUNT codes (awk -v COUNT=n -v ROWS=n), one in five
# in no row of a ROWS-row profile database. Needs pools.awk before it.
BEGIN {
  for (i = 0; i < COUNT; i++) {
    print (i % 5 == 4) ? drug_code(ROWS + i) : drug_code(int(rand() * ROWS))
  }
}
