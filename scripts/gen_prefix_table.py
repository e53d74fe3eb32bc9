#!/usr/bin/env python3
"""Writes src/reference/prefixtable.cpp: the entity prefix of every ADIF DXCC entity number.

Current entities: the primary prefix of Debian's hamradio-files country file (cty.csv), which
carries the ADIF number of each entity. Deleted entities: the ARRL list of deleted entities.
A few spellings differ from the country file on purpose (older forms the prefix files and the
call resolution expect). Run once; the build does not need the country file.
"""
import csv
import sys

CTY = sys.argv[1] if len(sys.argv) > 1 else "/usr/share/hamradio-files/cty.csv"
OUT = sys.argv[2] if len(sys.argv) > 2 else "src/reference/prefixtable.cpp"

# Forms kept as the program has always written them; the slash forms are the special
# entities the call resolution builds ("3Y/B") and the designations of the prefix files.
OVERRIDE = {
    6: "KL7", 10: "FT5Z", 15: "RA-AS", 24: "3Y/B", 199: "3Y/P", 180: "SV/A", 515: "KH8S",
    489: "3D2/C", 460: "3D2/R", 191: "E5/N", 234: "E5/S", 512: "FK/C", 508: "FO/A",
    36: "FO/C", 509: "FO/M", 99: "FR/G", 124: "FR/J", 276: "FR/T", 41: "FT5W", 131: "FT5X",
    216: "HK0A", 161: "HK0M", 177: "JD1M", 192: "JD1O", 513: "VP6D", 235: "VP8G",
    241: "VP8H", 238: "VP8O", 240: "VP8S",
}

# Deleted entities (number: prefix, name). Where the listed prefix is a later current
# entity's, a distinguishing form is used so that the number of a prefix stays the
# current entity's.
DELETED = {
    2: ("A1", "Abu Ail Is."), 8: ("VQ9A", "Aldabra"), 19: ("HK0", "Bajo Nuevo"),
    23: ("", "Blenheim Reef"), 25: ("ZC5", "British North Borneo"),
    26: ("VQ6", "British Somaliland"), 28: ("KZ5", "Canal Zone"),
    30: ("PK6", "Celebe & Molucca Is."), 39: ("FB8", "Comoros"), 42: ("CR8", "Damao, Diu"),
    44: ("VQ9D", "Desroches"), 55: ("VQ9F", "Farquhar"),
    57: ("FQ8", "French Equatorial Africa"), 58: ("FI8", "French Indo-China"),
    59: ("FF", "French West Africa"), 67: ("FN8", "French India"),
    68: ("8Z5", "Kuwait/Saudi Arabia Neutral Zone"), 81: ("DA", "Germany"),
    85: ("PJ", "Bonaire, Curacao"), 93: ("", "Geyser Reef"), 101: ("CR8", "Goa"),
    102: ("ZD4", "Gold Coast, Togoland"), 113: ("EA9", "Ifni"),
    115: ("I5", "Italian Somaliland"), 119: ("PK1", "Java"), 127: ("VS9K", "Kamaran Is."),
    128: ("UN1", "Karelo-Finnish Republic"), 134: ("KH5K", "Kingman Reef"),
    139: ("VS9O", "Kuria Muria I."), 151: ("4J1", "Malyj Vysotskij I."),
    154: ("4W-YA", "Yemen Arab Republic"), 155: ("VS2", "Malaya"),
    164: ("C9-MA", "Manchuria"), 178: ("1M", "Minerva Reef"),
    183: ("PK5", "Netherlands Borneo"), 184: ("JZ0", "Netherlands New Guinea"),
    186: ("VO", "Newfoundland, Labrador"), 193: ("KR6", "Okinawa (Ryukyu Is.)"),
    194: ("7J1", "Okino Tori-shima"), 196: ("ZC6", "Palestine"),
    198: ("P2", "Papua Territory"), 200: ("CR10", "Portuguese Timor"),
    208: ("9U5", "Ruanda-Urundi"), 210: ("9S4", "Saar"), 218: ("OL", "Czechoslovakia"),
    220: ("VS4", "Sarawak"), 226: ("8Z4", "Saudi Arabia/Iraq Neutral Zone"),
    228: ("KS4", "Serrana Bank & Roncador Cay"), 229: ("DM", "German Democratic Republic"),
    231: ("AC3", "Sikkim"), 243: ("VS9A", "People's Dem. Rep. of Yemen"),
    244: ("ST0", "Southern Sudan"), 255: ("PJ6", "St. Maarten, Saba, St. Eustatius"),
    258: ("PK4", "Sumatra"), 261: ("KS4", "Swan Is."), 264: ("CN2", "Tangier"),
    267: ("P2", "Territory of New Guinea"), 268: ("AC4", "Tibet"), 271: ("I1", "Trieste"),
    307: ("VQ1", "Zanzibar"), 488: ("ZS9", "Walvis Bay"), 493: ("ZS0", "Penguin Is."),
}

table = {}
for row in csv.reader(open(CTY, encoding="latin-1")):
    prefix, name, number = row[0], row[1], int(row[2])
    if prefix.startswith("*"):
        continue  # the country file's extra (non-DXCC) areas
    table[number] = (OVERRIDE.get(number, prefix.upper()), name)
for number, entry in DELETED.items():
    assert number not in table, number
    table[number] = entry

current = {n: p for n, (p, _) in table.items() if n not in DELETED}
for n, (p, _) in table.items():
    if n in DELETED and p:
        later = [m for m, q in current.items() if q == p and m > n]
        assert not later, (n, p, later)
    assert len(p) <= 5, p

lines = [
    "// Generated from the country file of Debian's hamradio-files and the ARRL list of",
    "// deleted entities; the index is the ADIF DXCC entity number. Numbers the ADIF",
    "// enumeration leaves unused are empty.",
    '#include "reference/prefixtable.h"',
    "",
    "namespace prefixtable {",
    "",
    "const char* const kEntityPrefix[kEntityCount + 1] = {",
    '    "",  // 0: no entity',
]
for n in range(1, 523):
    p, name = table.get(n, ("", ""))
    note = f"{n}" + (f" {name}" if name else "") + (" (deleted)" if n in DELETED else "")
    lines.append(f'    "{p}",  // {note}')
lines += ["};", "", "}  // namespace prefixtable", ""]
open(OUT, "w", encoding="utf-8").write("\n".join(lines))
print(len(table), "entities")
