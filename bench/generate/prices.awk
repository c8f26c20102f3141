# The UTF-8 text of a drug-price file "all.puf": the header line, then LINES usable lines
# (awk -v LINES=n) of 15 tab-separated fields. Needs pools.awk before it.
BEGIN {
  OFS = "\t"
  print "id", "新", "單複方註記", "代碼", "藥價參考金額", "藥價參考日期", "藥價參考截止日期", \
    "藥品英文名稱", "藥品規格量", "藥品規格單位", "成份", "成份含量", "含量單位", "藥品劑型", \
    "製造廠名稱"
  for (i = 1; i <= LINES; i++) {
    start = sprintf("%04d/%02d/01", 2024 + int(rand() * 3), int(rand() * 12) + 1)
    print i, pick("*|"), pick("1|2"), drug_code(i), sprintf("%.2f", rand() * 900 + 0.5), start, \
      "9999/12/31", pick(ENGLISH) " " pick(STRENGTH), pick("1|10|28|100|1000"), pick("錠|粒|瓶|支"), \
      pick(ENGLISH), pick("5|10|20|100|250|500"), pick("MG|MCG|ML"), pick(FORM), \
      pick("生達化學製藥|永信藥品|中國化學製藥|杏輝藥品|信東生技")
  }
}
