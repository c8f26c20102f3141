# Word pools and helpers shared by the generators: invented drugs, fixed seed.
function pick(list,    parts, n) {
  n = split(list, parts, "|")
  return parts[int(rand() * n) + 1]
}
# Six digits, different for every i below 1,000,000 (7919 is prime to 10^6).
function drug_digits(i) {
  return sprintf("%06d", (i * 7919 + 104729) % 1000000)
}
# The code of drug i: "AC", "BC", "KC" or "NC", the digits, "00", "G0" or "10".
function drug_code(i) {
  return substr("ABKN", i % 4 + 1, 1) "C" drug_digits(i) substr("00G010", int(i / 4) % 3 * 2 + 1, 2)
}
BEGIN {
  srand(20261207)
  ENGLISH = "ACETAMINOPHEN|AMLODIPINE|METFORMIN|ATORVASTATIN|OMEPRAZOLE|LOSARTAN|ASPIRIN|" \
    "CETIRIZINE|AMOXICILLIN|IBUPROFEN|SIMVASTATIN|DIAZEPAM|FAMOTIDINE|GLICLAZIDE|" \
    "ALLOPURINOL|Carbamazepine|Phenytoin|Lamotrigine"
  STRENGTH = "5MG|10MG|20MG|40MG|100MG|200MG|250MG|500MG"
  CHINESE = "普拿疼|脈優|庫魯化|立普妥|樂酸克|可悅您|伯基|驅異樂|安莫西林|依普芬|素果|煩寧|蓋舒泰|岱蜜克龍"
  FORM = "錠|膜衣錠|膠囊|持續性藥效錠"
  LOOK = "白色圓形錠|黃色橢圓形錠|粉紅色膠囊|白色長形刻痕錠|藍色圓形膜衣錠|橘色/白色膠囊"
  INDICATION = "高血壓|糖尿病|高血脂|胃潰瘍、逆流性食道炎|發燒、頭痛、牙痛|過敏性鼻炎|細菌感染|痛風、高尿酸血症"
  INSTRUCTION = "飯後服用。|飯前服用。請配開水吞服。|睡前服用。|請依醫師指示按時服用。不可自行停藥。|飯後服用。每日多喝水，至少二千毫升。"
  SIDE = "頭暈、噁心、腹瀉|皮疹、嗜睡|口乾、便秘、頭痛|胃部不適|心悸、臉潮紅、腳踝水腫"
  WARNING = "服藥期間避免飲酒。|孕婦請先告知醫師。|服藥後避免開車。||"
}
