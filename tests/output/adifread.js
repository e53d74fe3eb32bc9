// Reads an ADIF file with the two ADIF readers of the export tests and prints what they
// found as JSON: the records of adif-parser-ts, and the record count of tcadif or the
// error it refused the file with.
const fs = require('fs');
const text = fs.readFileSync(process.argv[2], 'latin1');
const out = {};
out.parser = require('adif-parser-ts').AdifParser.parseAdi(text).records;
try {
  out.tcadif = require('tcadif').ADIF.parse(text).toObject().qsos.length;
} catch (e) {
  out.tcadifError = String((e && e.message) || e);
}
process.stdout.write(JSON.stringify(out));
