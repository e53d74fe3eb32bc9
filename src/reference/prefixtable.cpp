// Generated from the country file of Debian's hamradio-files and the ARRL list of
// deleted entities; the index is the ADIF DXCC entity number. Numbers the ADIF
// enumeration leaves unused are empty.
#include "reference/prefixtable.h"

namespace prefixtable {

const char* const kEntityPrefix[kEntityCount + 1] = {
    "",       // 0: no entity
    "VE",     // 1 Canada
    "A1",     // 2 Abu Ail Is. (deleted)
    "YA",     // 3 Afghanistan
    "3B6",    // 4 Agalega & St. Brandon
    "OH0",    // 5 Aland Islands
    "KL7",    // 6 Alaska
    "ZA",     // 7 Albania
    "VQ9A",   // 8 Aldabra (deleted)
    "KH8",    // 9 American Samoa
    "FT5Z",   // 10 Amsterdam & St. Paul Is.
    "VU4",    // 11 Andaman & Nicobar Is.
    "VP2E",   // 12 Anguilla
    "CE9",    // 13 Antarctica
    "EK",     // 14 Armenia
    "RA-AS",  // 15 Asiatic Russia
    "ZL9",    // 16 N.Z. Subantarctic Is.
    "YV0",    // 17 Aves Island
    "4J",     // 18 Azerbaijan
    "HK0",    // 19 Bajo Nuevo (deleted)
    "KH1",    // 20 Baker & Howland Islands
    "EA6",    // 21 Balearic Islands
    "T8",     // 22 Palau
    "",       // 23 Blenheim Reef (deleted)
    "3Y/B",   // 24 Bouvet
    "ZC5",    // 25 British North Borneo (deleted)
    "VQ6",    // 26 British Somaliland (deleted)
    "EU",     // 27 Belarus
    "KZ5",    // 28 Canal Zone (deleted)
    "EA8",    // 29 Canary Islands
    "PK6",    // 30 Celebe & Molucca Is. (deleted)
    "T31",    // 31 Central Kiribati
    "EA9",    // 32 Ceuta & Melilla
    "VQ9",    // 33 Chagos Islands
    "ZL7",    // 34 Chatham Islands
    "VK9X",   // 35 Christmas Island
    "FO/C",   // 36 Clipperton Island
    "TI9",    // 37 Cocos Island
    "VK9C",   // 38 Cocos (Keeling) Islands
    "FB8",    // 39 Comoros (deleted)
    "SV9",    // 40 Crete
    "FT5W",   // 41 Crozet Island
    "CR8",    // 42 Damao, Diu (deleted)
    "KP5",    // 43 Desecheo Island
    "VQ9D",   // 44 Desroches (deleted)
    "SV5",    // 45 Dodecanese
    "9M6",    // 46 East Malaysia
    "CE0Y",   // 47 Easter Island
    "T32",    // 48 Eastern Kiribati
    "3C",     // 49 Equatorial Guinea
    "XE",     // 50 Mexico
    "E3",     // 51 Eritrea
    "ES",     // 52 Estonia
    "ET",     // 53 Ethiopia
    "UA",     // 54 European Russia
    "VQ9F",   // 55 Farquhar (deleted)
    "PY0F",   // 56 Fernando de Noronha
    "FQ8",    // 57 French Equatorial Africa (deleted)
    "FI8",    // 58 French Indo-China (deleted)
    "FF",     // 59 French West Africa (deleted)
    "C6",     // 60 Bahamas
    "R1FJ",   // 61 Franz Josef Land
    "8P",     // 62 Barbados
    "FY",     // 63 French Guiana
    "VP9",    // 64 Bermuda
    "VP2V",   // 65 British Virgin Islands
    "V3",     // 66 Belize
    "FN8",    // 67 French India (deleted)
    "8Z5",    // 68 Kuwait/Saudi Arabia Neutral Zone (deleted)
    "ZF",     // 69 Cayman Islands
    "CM",     // 70 Cuba
    "HC8",    // 71 Galapagos Islands
    "HI",     // 72 Dominican Republic
    "",       // 73
    "YS",     // 74 El Salvador
    "4L",     // 75 Georgia
    "TG",     // 76 Guatemala
    "J3",     // 77 Grenada
    "HH",     // 78 Haiti
    "FG",     // 79 Guadeloupe
    "HR",     // 80 Honduras
    "DA",     // 81 Germany (deleted)
    "6Y",     // 82 Jamaica
    "",       // 83
    "FM",     // 84 Martinique
    "PJ",     // 85 Bonaire, Curacao (deleted)
    "YN",     // 86 Nicaragua
    "",       // 87
    "HP",     // 88 Panama
    "VP5",    // 89 Turks & Caicos Islands
    "9Y",     // 90 Trinidad & Tobago
    "P4",     // 91 Aruba
    "",       // 92
    "",       // 93 Geyser Reef (deleted)
    "V2",     // 94 Antigua & Barbuda
    "J7",     // 95 Dominica
    "VP2M",   // 96 Montserrat
    "J6",     // 97 St. Lucia
    "J8",     // 98 St. Vincent
    "FR/G",   // 99 Glorioso Islands
    "LU",     // 100 Argentina
    "CR8",    // 101 Goa (deleted)
    "ZD4",    // 102 Gold Coast, Togoland (deleted)
    "KH2",    // 103 Guam
    "CP",     // 104 Bolivia
    "KG4",    // 105 Guantanamo Bay
    "GU",     // 106 Guernsey
    "3X",     // 107 Guinea
    "PY",     // 108 Brazil
    "J5",     // 109 Guinea-Bissau
    "KH6",    // 110 Hawaii
    "VK0H",   // 111 Heard Island
    "CE",     // 112 Chile
    "EA9",    // 113 Ifni (deleted)
    "GD",     // 114 Isle of Man
    "I5",     // 115 Italian Somaliland (deleted)
    "HK",     // 116 Colombia
    "4U1I",   // 117 ITU HQ
    "JX",     // 118 Jan Mayen
    "PK1",    // 119 Java (deleted)
    "HC",     // 120 Ecuador
    "",       // 121
    "GJ",     // 122 Jersey
    "KH3",    // 123 Johnston Island
    "FR/J",   // 124 Juan de Nova & Europa
    "CE0Z",   // 125 Juan Fernandez Islands
    "UA2",    // 126 Kaliningrad
    "VS9K",   // 127 Kamaran Is. (deleted)
    "UN1",    // 128 Karelo-Finnish Republic (deleted)
    "8R",     // 129 Guyana
    "UN",     // 130 Kazakhstan
    "FT5X",   // 131 Kerguelen Islands
    "ZP",     // 132 Paraguay
    "ZL8",    // 133 Kermadec Islands
    "KH5K",   // 134 Kingman Reef (deleted)
    "EX",     // 135 Kyrgyzstan
    "OA",     // 136 Peru
    "HL",     // 137 Republic of Korea
    "KH7K",   // 138 Kure Island
    "VS9O",   // 139 Kuria Muria I. (deleted)
    "PZ",     // 140 Suriname
    "VP8",    // 141 Falkland Islands
    "VU7",    // 142 Lakshadweep Islands
    "XW",     // 143 Laos
    "CX",     // 144 Uruguay
    "YL",     // 145 Latvia
    "LY",     // 146 Lithuania
    "VK9L",   // 147 Lord Howe Island
    "YV",     // 148 Venezuela
    "CU",     // 149 Azores
    "VK",     // 150 Australia
    "4J1",    // 151 Malyj Vysotskij I. (deleted)
    "XX9",    // 152 Macao
    "VK0M",   // 153 Macquarie Island
    "4W-YA",  // 154 Yemen Arab Republic (deleted)
    "VS2",    // 155 Malaya (deleted)
    "",       // 156
    "C2",     // 157 Nauru
    "YJ",     // 158 Vanuatu
    "8Q",     // 159 Maldives
    "A3",     // 160 Tonga
    "HK0M",   // 161 Malpelo Island
    "FK",     // 162 New Caledonia
    "P2",     // 163 Papua New Guinea
    "C9-MA",  // 164 Manchuria (deleted)
    "3B8",    // 165 Mauritius
    "KH0",    // 166 Mariana Islands
    "OJ0",    // 167 Market Reef
    "V7",     // 168 Marshall Islands
    "FH",     // 169 Mayotte
    "ZL",     // 170 New Zealand
    "VK9M",   // 171 Mellish Reef
    "VP6",    // 172 Pitcairn Island
    "V6",     // 173 Micronesia
    "KH4",    // 174 Midway Island
    "FO",     // 175 French Polynesia
    "3D2",    // 176 Fiji
    "JD1M",   // 177 Minami Torishima
    "1M",     // 178 Minerva Reef (deleted)
    "ER",     // 179 Moldova
    "SV/A",   // 180 Mount Athos
    "C9",     // 181 Mozambique
    "KP1",    // 182 Navassa Island
    "PK5",    // 183 Netherlands Borneo (deleted)
    "JZ0",    // 184 Netherlands New Guinea (deleted)
    "H4",     // 185 Solomon Islands
    "VO",     // 186 Newfoundland, Labrador (deleted)
    "5U",     // 187 Niger
    "E6",     // 188 Niue
    "VK9N",   // 189 Norfolk Island
    "5W",     // 190 Samoa
    "E5/N",   // 191 North Cook Islands
    "JD1O",   // 192 Ogasawara
    "KR6",    // 193 Okinawa (Ryukyu Is.) (deleted)
    "7J1",    // 194 Okino Tori-shima (deleted)
    "3C0",    // 195 Annobon Island
    "ZC6",    // 196 Palestine (deleted)
    "KH5",    // 197 Palmyra & Jarvis Islands
    "P2",     // 198 Papua Territory (deleted)
    "3Y/P",   // 199 Peter 1 Island
    "CR10",   // 200 Portuguese Timor (deleted)
    "ZS8",    // 201 Pr. Edward & Marion Is.
    "KP4",    // 202 Puerto Rico
    "C3",     // 203 Andorra
    "XF4",    // 204 Revillagigedo
    "ZD8",    // 205 Ascension Island
    "OE",     // 206 Austria
    "3B9",    // 207 Rodriguez Island
    "9U5",    // 208 Ruanda-Urundi (deleted)
    "ON",     // 209 Belgium
    "9S4",    // 210 Saar (deleted)
    "CY0",    // 211 Sable Island
    "LZ",     // 212 Bulgaria
    "FS",     // 213 St. Martin
    "TK",     // 214 Corsica
    "5B",     // 215 Cyprus
    "HK0A",   // 216 San Andres & Providencia
    "CE0X",   // 217 San Felix & San Ambrosio
    "OL",     // 218 Czechoslovakia (deleted)
    "S9",     // 219 Sao Tome & Principe
    "VS4",    // 220 Sarawak (deleted)
    "OZ",     // 221 Denmark
    "OY",     // 222 Faroe Islands
    "G",      // 223 England
    "OH",     // 224 Finland
    "IS",     // 225 Sardinia
    "8Z4",    // 226 Saudi Arabia/Iraq Neutral Zone (deleted)
    "F",      // 227 France
    "KS4",    // 228 Serrana Bank & Roncador Cay (deleted)
    "DM",     // 229 German Democratic Republic (deleted)
    "DL",     // 230 Fed. Rep. of Germany
    "AC3",    // 231 Sikkim (deleted)
    "T5",     // 232 Somalia
    "ZB",     // 233 Gibraltar
    "E5/S",   // 234 South Cook Islands
    "VP8G",   // 235 South Georgia Island
    "SV",     // 236 Greece
    "OX",     // 237 Greenland
    "VP8O",   // 238 South Orkney Islands
    "HA",     // 239 Hungary
    "VP8S",   // 240 South Sandwich Islands
    "VP8H",   // 241 South Shetland Islands
    "TF",     // 242 Iceland
    "VS9A",   // 243 People's Dem. Rep. of Yemen (deleted)
    "ST0",    // 244 Southern Sudan (deleted)
    "EI",     // 245 Ireland
    "1A",     // 246 Sov Mil Order of Malta
    "1S",     // 247 Spratly Islands
    "I",      // 248 Italy
    "V4",     // 249 St. Kitts & Nevis
    "ZD7",    // 250 St. Helena
    "HB0",    // 251 Liechtenstein
    "CY9",    // 252 St. Paul Island
    "PY0S",   // 253 St. Peter & St. Paul
    "LX",     // 254 Luxembourg
    "PJ6",    // 255 St. Maarten, Saba, St. Eustatius (deleted)
    "CT3",    // 256 Madeira Islands
    "9H",     // 257 Malta
    "PK4",    // 258 Sumatra (deleted)
    "JW",     // 259 Svalbard
    "3A",     // 260 Monaco
    "KS4",    // 261 Swan Is. (deleted)
    "EY",     // 262 Tajikistan
    "PA",     // 263 Netherlands
    "CN2",    // 264 Tangier (deleted)
    "GI",     // 265 Northern Ireland
    "LA",     // 266 Norway
    "P2",     // 267 Territory of New Guinea (deleted)
    "AC4",    // 268 Tibet (deleted)
    "SP",     // 269 Poland
    "ZK3",    // 270 Tokelau Islands
    "I1",     // 271 Trieste (deleted)
    "CT",     // 272 Portugal
    "PY0T",   // 273 Trindade & Martim Vaz
    "ZD9",    // 274 Tristan da Cunha & Gough Islands
    "YO",     // 275 Romania
    "FR/T",   // 276 Tromelin Island
    "FP",     // 277 St. Pierre & Miquelon
    "T7",     // 278 San Marino
    "GM",     // 279 Scotland
    "EZ",     // 280 Turkmenistan
    "EA",     // 281 Spain
    "T2",     // 282 Tuvalu
    "ZC4",    // 283 UK Base Areas on Cyprus
    "SM",     // 284 Sweden
    "KP2",    // 285 US Virgin Islands
    "5X",     // 286 Uganda
    "HB",     // 287 Switzerland
    "UR",     // 288 Ukraine
    "4U1U",   // 289 United Nations HQ
    "",       // 290
    "K",      // 291 United States
    "UK",     // 292 Uzbekistan
    "3W",     // 293 Vietnam
    "GW",     // 294 Wales
    "HV",     // 295 Vatican City
    "YU",     // 296 Serbia
    "KH9",    // 297 Wake Island
    "FW",     // 298 Wallis & Futuna Islands
    "9M2",    // 299 West Malaysia
    "",       // 300
    "T30",    // 301 Western Kiribati
    "S0",     // 302 Western Sahara
    "VK9W",   // 303 Willis Island
    "A9",     // 304 Bahrain
    "S2",     // 305 Bangladesh
    "A5",     // 306 Bhutan
    "VQ1",    // 307 Zanzibar (deleted)
    "TI",     // 308 Costa Rica
    "XZ",     // 309 Myanmar
    "",       // 310
    "",       // 311
    "XU",     // 312 Cambodia
    "",       // 313
    "",       // 314
    "4S",     // 315 Sri Lanka
    "",       // 316
    "",       // 317
    "BY",     // 318 China
    "",       // 319
    "",       // 320
    "VR",     // 321 Hong Kong
    "",       // 322
    "",       // 323
    "VU",     // 324 India
    "",       // 325
    "",       // 326
    "YB",     // 327 Indonesia
    "",       // 328
    "",       // 329
    "EP",     // 330 Iran
    "",       // 331
    "",       // 332
    "YI",     // 333 Iraq
    "",       // 334
    "",       // 335
    "4X",     // 336 Israel
    "",       // 337
    "",       // 338
    "JA",     // 339 Japan
    "",       // 340
    "",       // 341
    "JY",     // 342 Jordan
    "",       // 343
    "P5",     // 344 DPR of Korea
    "V8",     // 345 Brunei Darussalam
    "",       // 346
    "",       // 347
    "9K",     // 348 Kuwait
    "",       // 349
    "",       // 350
    "",       // 351
    "",       // 352
    "",       // 353
    "OD",     // 354 Lebanon
    "",       // 355
    "",       // 356
    "",       // 357
    "",       // 358
    "",       // 359
    "",       // 360
    "",       // 361
    "",       // 362
    "JT",     // 363 Mongolia
    "",       // 364
    "",       // 365
    "",       // 366
    "",       // 367
    "",       // 368
    "9N",     // 369 Nepal
    "A4",     // 370 Oman
    "",       // 371
    "AP",     // 372 Pakistan
    "",       // 373
    "",       // 374
    "DU",     // 375 Philippines
    "A7",     // 376 Qatar
    "",       // 377
    "HZ",     // 378 Saudi Arabia
    "S7",     // 379 Seychelles
    "",       // 380
    "9V",     // 381 Singapore
    "J2",     // 382 Djibouti
    "",       // 383
    "YK",     // 384 Syria
    "",       // 385
    "BV",     // 386 Taiwan
    "HS",     // 387 Thailand
    "",       // 388
    "",       // 389
    "TA",     // 390 Asiatic Turkey
    "A6",     // 391 United Arab Emirates
    "",       // 392
    "",       // 393
    "",       // 394
    "",       // 395
    "",       // 396
    "",       // 397
    "",       // 398
    "",       // 399
    "7X",     // 400 Algeria
    "D2",     // 401 Angola
    "A2",     // 402 Botswana
    "",       // 403
    "9U",     // 404 Burundi
    "",       // 405
    "TJ",     // 406 Cameroon
    "",       // 407
    "TL",     // 408 Central African Republic
    "D4",     // 409 Cape Verde
    "TT",     // 410 Chad
    "D6",     // 411 Comoros
    "TN",     // 412 Republic of the Congo
    "",       // 413
    "9Q",     // 414 Dem. Rep. of the Congo
    "",       // 415
    "TY",     // 416 Benin
    "",       // 417
    "",       // 418
    "",       // 419
    "TR",     // 420 Gabon
    "",       // 421
    "C5",     // 422 The Gambia
    "",       // 423
    "9G",     // 424 Ghana
    "",       // 425
    "",       // 426
    "",       // 427
    "TU",     // 428 Cote d'Ivoire
    "",       // 429
    "5Z",     // 430 Kenya
    "",       // 431
    "7P",     // 432 Lesotho
    "",       // 433
    "EL",     // 434 Liberia
    "",       // 435
    "5A",     // 436 Libya
    "",       // 437
    "5R",     // 438 Madagascar
    "",       // 439
    "7Q",     // 440 Malawi
    "",       // 441
    "TZ",     // 442 Mali
    "",       // 443
    "5T",     // 444 Mauritania
    "",       // 445
    "CN",     // 446 Morocco
    "",       // 447
    "",       // 448
    "",       // 449
    "5N",     // 450 Nigeria
    "",       // 451
    "Z2",     // 452 Zimbabwe
    "FR",     // 453 Reunion Island
    "9X",     // 454 Rwanda
    "",       // 455
    "6W",     // 456 Senegal
    "",       // 457
    "9L",     // 458 Sierra Leone
    "",       // 459
    "3D2/R",  // 460 Rotuma Island
    "",       // 461
    "ZS",     // 462 South Africa
    "",       // 463
    "V5",     // 464 Namibia
    "",       // 465
    "ST",     // 466 Sudan
    "",       // 467
    "3DA",    // 468 Kingdom of Eswatini
    "",       // 469
    "5H",     // 470 Tanzania
    "",       // 471
    "",       // 472
    "",       // 473
    "3V",     // 474 Tunisia
    "",       // 475
    "",       // 476
    "",       // 477
    "SU",     // 478 Egypt
    "",       // 479
    "XT",     // 480 Burkina Faso
    "",       // 481
    "9J",     // 482 Zambia
    "5V",     // 483 Togo
    "",       // 484
    "",       // 485
    "",       // 486
    "",       // 487
    "ZS9",    // 488 Walvis Bay (deleted)
    "3D2/C",  // 489 Conway Reef
    "T33",    // 490 Banaba Island
    "",       // 491
    "7O",     // 492 Yemen
    "ZS0",    // 493 Penguin Is. (deleted)
    "",       // 494
    "",       // 495
    "",       // 496
    "9A",     // 497 Croatia
    "",       // 498
    "S5",     // 499 Slovenia
    "",       // 500
    "E7",     // 501 Bosnia-Herzegovina
    "Z3",     // 502 North Macedonia
    "OK",     // 503 Czech Republic
    "OM",     // 504 Slovak Republic
    "BV9P",   // 505 Pratas Island
    "BS7",    // 506 Scarborough Reef
    "H40",    // 507 Temotu Province
    "FO/A",   // 508 Austral Islands
    "FO/M",   // 509 Marquesas Islands
    "E4",     // 510 Palestine
    "4W",     // 511 Timor - Leste
    "FK/C",   // 512 Chesterfield Islands
    "VP6D",   // 513 Ducie Island
    "4O",     // 514 Montenegro
    "KH8S",   // 515 Swains Island
    "FJ",     // 516 St. Barthelemy
    "PJ2",    // 517 Curacao
    "PJ7",    // 518 Sint Maarten
    "PJ5",    // 519 Saba & St. Eustatius
    "PJ4",    // 520 Bonaire
    "Z8",     // 521 Republic of South Sudan
    "Z6",     // 522 Republic of Kosovo
};

}  // namespace prefixtable
