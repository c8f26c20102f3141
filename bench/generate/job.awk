# The UTF-8 text of a ".ndrg" job: the header lines of the job file HEADER (awk -v HEADER=path,
# the lines before its first drug),
# then DRUGS drugs (awk -v DRUGS=n) drawn from a ROWS-row profile database (awk -v ROWS=n).
# Needs pools.awk before it.
BEGIN {
  while ((getline line < HEADER) > 0 && line != "==========") print line
  for (i = 0; i < DRUGS; i++) {
    days = pick("7|14|28")
    print "=========="
    print "1"
    print drug_code(int(rand() * ROWS))
    print pick("QD|BID|TID|QID|HS")
    print days
    print days * pick("1|2|3")
    print pick(ENGLISH) " " pick(STRENGTH)
    print pick(ENGLISH)
    print pick("PO|AC|PC")
    print pick("1顆|2顆|半顆")
    print pick("A|B|C|D|E") "-" sprintf("%02d", int(rand() * 20) + 1)
  }
  print "//End DrugBagInfo"
}
