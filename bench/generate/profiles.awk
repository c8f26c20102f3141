# Drug profiles as the CSV of `pillora-profile build`: ROWS rows (awk -v ROWS=n), drug
# codes drug_code(0) to drug_code(ROWS - 1). Needs pools.awk before it.
BEGIN {
  print "藥品代碼,藥品名稱,中文品名,藥品外觀,適應症,其他用藥指示,副作用,藥品警語"
  for (i = 0; i < ROWS; i++) {
    name = pick(ENGLISH) " " pick(STRENGTH)
    print drug_code(i) "," name "," pick(CHINESE) pick(FORM) "," pick(LOOK) "," \
      pick(INDICATION) "," pick(INSTRUCTION) "," pick(SIDE) "," pick(WARNING)
  }
}
