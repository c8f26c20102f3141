# The texts a ".ndrg" job prints, as one UTF-8 text: the job's own text (the first file),
# then the profile row of each of its drugs (the second file, the profile CSV), in job order.
FNR == NR {
  print
  if (after_separator == 2) codes[++count] = $0
  after_separator = ($0 == "==========") ? 1 : (after_separator ? after_separator + 1 : 0)
  next
}
{
  split($0, fields, ",")
  row[fields[1]] = $0
}
END {
  for (i = 1; i <= count; i++) if (codes[i] in row) print row[codes[i]]
}
