-- Rimora's drug-price table as the price import fills it (the columns of "all.puf").
CREATE TABLE tblDrugs (
  id serial,
  "新" text,
  "單複方註記" text,
  "代碼" text,
  "藥價參考金額" double precision,
  "藥價參考日期" timestamp,
  "藥價參考截止日期" timestamp,
  "藥品英文名稱" text,
  "藥品規格量" double precision,
  "藥品規格單位" text,
  "成份" text,
  "成份含量" double precision,
  "含量單位" text,
  "藥品劑型" text,
  "製造廠名稱" text
);
