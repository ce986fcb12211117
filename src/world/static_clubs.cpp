// The world's clubs: the names by database number, their country and the
// position of their town on the country map.
#include "world/static_clubs.h"

// clang-format off
const char* const ClubNameTable[NUM_DB_CLUBS] = {
  "Thrapplecross Borough",  // 0
  "Gorringbridge Rovers",  // 1
  "Netterwell Rovers",  // 2
  "Netterwell City",  // 3
  "Wexleycaster Wanderers",  // 4
  "Quenbypool Harriers",  // 5
  "Hollowayton Athletic",  // 6
  "Hollowayton Corinthians",  // 7
  "Amblingcross Albion",  // 8
  "Haskhaven Borough",  // 9
  "Ivelcross County",  // 10
  "Gannickcross Wanderers",  // 11
  "Caddelwick Albion",  // 12
  "Dorringwick Harriers",  // 13
  "Netterstow County",  // 14
  "Tucklebridge Athletic",  // 15
  "Tucklebridge Albion",  // 16
  "Orlingdale Swifts",  // 17
  "Lundercaster Athletic",  // 18
  "Lunderbury Albion",  // 19
  "Stavelydale Rovers",  // 20
  "Stavelydale Corinthians",  // 21
  "Crossington Borough",  // 22
  "Ormerstow Town",  // 23
  "Gannickwick Borough",  // 24
  "Lanningwell Corinthians",  // 25
  "Lanningwell Wanderers",  // 26
  "Lanningwell Harriers",  // 27
  "Hollowaythorpe Albion",  // 28
  "Wexleystow Borough",  // 29
  "Caddelworth Corinthians",  // 30
  "Lanningham Athletic",  // 31
  "Dorringford Swifts",  // 32
  "Pottlecross Borough",  // 33
  "Abberford Harriers",  // 34
  "Tucklebury Athletic",  // 35
  "Ormerworth Rovers",  // 36
  "Dunmerton County",  // 37
  "Dorringstow Swifts",  // 38
  "Caddelcombe Swifts",  // 39
  "Lanningcross Town",  // 40
  "Fenwickstead Albion",  // 41
  "Thrapplehurst Athletic",  // 42
  "Yarrowcombe Corinthians",  // 43
  "Wendleham Wanderers",  // 44
  "Wendleham Harriers",  // 45
  "Ravelford Town",  // 46
  "Abberstow Swifts",  // 47
  "Crossingdale City",  // 48
  "Lanninghaven Swifts",  // 49
  "Fallowcaster Wanderers",  // 50
  "Wexleythorpe Wanderers",  // 51
  "Wexleythorpe United",  // 52
  "Caddelwell Swifts",  // 53
  "Gorrington Rovers",  // 54
  "Pelhamcombe United",  // 55
  "Kestlehaven Rovers",  // 56
  "Skelbymore Town",  // 57
  "Gannickstead Corinthians",  // 58
  "Gannickstead Albion",  // 59
  "Pottlehurst Athletic",  // 60
  "Thrappleley City",  // 61
  "Sallowstead Corinthians",  // 62
  "Dunmerworth Albion",  // 63
  "Dunmerworth United",  // 64
  "Skelbyham Rovers",  // 65
  "Dorringley Swifts",  // 66
  "Crossingcaster Swifts",  // 67
  "Stavelybridge Borough",  // 68
  "Pottlefield Harriers",  // 69
  "Marrowley Albion",  // 70
  "Marrowley County",  // 71
  "Marrowley Corinthians",  // 72
  "Caddelhaven City",  // 73
  "Caddelhaven Wanderers",  // 74
  "Caddelhaven Athletic",  // 75
  "Sallowminster Harriers",  // 76
  "Marrowhurst City",  // 77
  "Marrowhurst Wanderers",  // 78
  "Abberdale Swifts",  // 79
  "Gorringwick Harriers",  // 80
  "Tucklefield United",  // 81
  "Tucklefield Swifts",  // 82
  "Caddelstow Swifts",  // 83
  "Amblingley Albion",  // 84
  "Rushelpool Town",  // 85
  "Yarrowborough Wanderers",  // 86
  "Fallowdale Harriers",  // 87
  "Fallowdale County",  // 88
  "Fenwickstow United",  // 89
  "Brackcaster Rovers",  // 90
  "Kestlebridge Town",  // 91
  "Amblingminster Athletic",  // 92
  "Amblingminster Albion",  // 93
  "Kestleham Corinthians",  // 94
  "Coppelmore County",  // 95
  "Cheshcross Harriers",  // 96
  "Thrapplehaven Swifts",  // 97
  "Coppelham Wanderers",  // 98
  "Yarrowcaster Corinthians",  // 99
  "Lunderstead Harriers",  // 100
  "Fallowton Borough",  // 101
  "Lunderley United",  // 102
  "Amblingbridge Wanderers",  // 103
  "Ormermore Borough",  // 104
  "Kestlemore Corinthians",  // 105
  "Kestlemore County",  // 106
  "Skelbycaster Wanderers",  // 107
  "Mardlepool Rovers",  // 108
  "Mardlepool Swifts",  // 109
  "Fenwickcaster City",  // 110
  "Fenwickcaster Swifts",  // 111
  "Fenwickcaster Wanderers",  // 112
  "Lunderfield Borough",  // 113
  "Netterhaven Rovers",  // 114
  "Wendlebury Corinthians",  // 115
  "Abberton Corinthians",  // 116
  "Marrowborough County",  // 117
  "Ormerfield Harriers",  // 118
  "Marrowstow Athletic",  // 119
  "Marrowdale Rovers",  // 120
  "Marrowdale County",  // 121
  "Ormerwell Albion",  // 122
  "Skelbystow Rovers",  // 123
  "Netterfield Athletic",  // 124
  "Brackham City",  // 125
  "Coppelminster Nomads",  // 126
  "Lunderstow Town",  // 127
  "Haskstead Town",  // 128
  "Skelbycross Town",  // 129
  "Sallowhaven City",  // 130
  "Brinklemouth Nomads",  // 131
  "Ivelstead Nomads",  // 132
  "Stavelyham City",  // 133
  "KSV Wuusthout",  // 134
  "KSV Wuustbeke",  // 135
  "Racing Ranselrode",  // 136
  "Racing Brembos",  // 137
  "RFC Ranselbeke",  // 138
  "KV Vrankstraat",  // 139
  "RFC Ranselvelde",  // 140
  "KFC Gheerlinde",  // 141
  "SK Stropgem",  // 142
  "KSV Stropgem",  // 143
  "RFC Kwaadegem",  // 144
  "Royal Kwaadegem",  // 145
  "KSV Dorneren",  // 146
  "SK Hoevmere",  // 147
  "KSV Stropaken",  // 148
  "KFC Meulzele",  // 149
  "SK Wuustmere",  // 150
  "KFC Sint-Aalhout",  // 151
  "KFC Bremlaar",  // 152
  "Racing Bremlaar",  // 153
  "RFC Bremlaar",  // 154
  "Royal Tielbroek",  // 155
  "Racing Kwaadbos",  // 156
  "Sporting Kwaadbos",  // 157
  "KSV Ranselzele",  // 158
  "Racing Vrankegem",  // 159
  "Racing Sint-Aaldorp",  // 160
  "KFC Peltermere",  // 161
  "Racing Peltermere",  // 162
  "Racing Kapelstraat",  // 163
  "Royal Kwaadlinde",  // 164
  "RFC Meulkerke",  // 165
  "Royal Kapelhout",  // 166
  "KSV Oosthem",  // 167
  "Racing Bremhout",  // 168
  "RFC Dornbos",  // 169
  "Sporting Pelterzele",  // 170
  "KSV Tielhem",  // 171
  "Sporting Sint-Aalkerke",  // 172
  "Racing Meulbeke",  // 173
  "KV Wijneraken",  // 174
  "KV Hoevkerke",  // 175
  "RFC Dornmere",  // 176
  "SK Hoevaken",  // 177
  "RFC Kapelzele",  // 178
  "RFC Vleerbeke",  // 179
  "KSV Vleerbeke",  // 180
  "RFC Kapeldorp",  // 181
  "RFC Peltereren",  // 182
  "Royal Stropegem",  // 183
  "KV Meuldorp",  // 184
  "Sporting Kapelhem",  // 185
  "Royal Dornlinde",  // 186
  "Racing Kapelaken",  // 187
  "KV Vleerlaar",  // 188
  "KV Gheeregem",  // 189
  "Hobblewick Rovers",  // 190
  "Stavelyhurst Celtic",  // 191
  "Stavelystead Celtic",  // 192
  "Marrowmouth Rovers",  // 193
  "Tuckleworth Rovers",  // 194
  "Elsingstow Rovers",  // 195
  "Skelbycombe Harps",  // 196
  "Coppelmouth Rovers",  // 197
  "Rushelfield Rovers",  // 198
  "Yarrowford Celtic",  // 199
  "Torbrannoch Harps",  // 200
  "Craigtulloch Harps",  // 201
  "Strathlochy Celtic",  // 202
  "Glenbothy Athletic",  // 203
  "Kilbrannoch Athletic",  // 204
  "Drumbothy Celtic",  // 205
  "Mormoyne Rovers",  // 206
  "Strathtulloch Celtic",  // 207
  "Brabothy Athletic",  // 208
  "Kincorran Rovers",  // 209
  "TSV Teckelhorst",  // 210
  "1. FC Quarnburg",  // 211
  "Borussia Krummelkirchen",  // 212
  "VfB Wirschfeld",  // 213
  "SpVgg Ubbelrode",  // 214
  "SpVgg Quarnhausen",  // 215
  "Eintracht Pfefferstedt",  // 216
  "TSV Fuchtelrode",  // 217
  "SV Murrenfeld",  // 218
  "1. FC Lurchstadt",  // 219
  "TSV Murrenhausen",  // 220
  "Borussia Krummelwangen",  // 221
  "1. FC Ubbelheim",  // 222
  "TSV Haselburg",  // 223
  "Eintracht Plauderkirchen",  // 224
  "SV Drosselkirchen",  // 225
  "Borussia Drosselrode",  // 226
  "SpVgg Quarnbach",  // 227
  "Fortuna Pfefferau",  // 228
  "TSV Zwiebelwangen",  // 229
  "VfB Plauderingen",  // 230
  "Fortuna Murrenstedt",  // 231
  "FC Escotac",  // 232
  "US Gorvalette",  // 233
  "FC Marqueleux",  // 234
  "Racing Gorvaly",  // 235
  "Racing Rouvelans",  // 236
  "Racing Escotville",  // 237
  "Palaiovouni FC",  // 238
  "Asteras Xeroria",  // 239
  "Katomelo FC",  // 240
  "Lefkopolis FC",  // 241
  "Athletic Palaiopyrgos",  // 242
  "Xerovouni FC",  // 243
  "Athletic Lefkodafni",  // 244
  "Lefkothea FC",  // 245
  "Petropyrgos FC",  // 246
  "Athletic Katovouni",  // 247
  "Athletic Kalanisi",  // 248
  "Panathletic Megavouni",  // 249
  "Inverbothy Academicals",  // 250
  "Inverleckie Victoria",  // 251
  "Invermallen Athletic",  // 252
  "Dunfernan Star",  // 253
  "Baltulloch Victoria",  // 254
  "Kilmuir Athletic",  // 255
  "Torcorran Thistle",  // 256
  "Aberfernan Victoria",  // 257
  "Glenriggan Star",  // 258
  "Carngarrie Academicals",  // 259
  "Auchbrannoch Victoria",  // 260
  "Strathness FC",  // 261
  "Craigskerry Athletic",  // 262
  "Ardtarvie Rovers",  // 263
  "Ardtarvie Star",  // 264
  "Ardtarvie Victoria",  // 265
  "Strathgarrie Victoria",  // 266
  "Ardbrannoch Athletic",  // 267
  "Ardbrannoch Rovers",  // 268
  "Ardbrannoch Caledonian",  // 269
  "Carnskerry Thistle",  // 270
  "Carnskerry Athletic",  // 271
  "Abertarvie Star",  // 272
  "Fingarrie Star",  // 273
  "Balmallen Rovers",  // 274
  "Drumbrannoch Thistle",  // 275
  "Tormoyne Caledonian",  // 276
  "Strathmoyne Thistle",  // 277
  "Torlorn Rovers",  // 278
  "Abermuir FC",  // 279
  "Balmoyne Rovers",  // 280
  "Ardcorran Athletic",  // 281
  "Carnlochy Academicals",  // 282
  "Drumfernan FC",  // 283
  "Balbrannoch Thistle",  // 284
  "Strathlorn Star",  // 285
  "Strathmallen Academicals",  // 286
  "Finleckie Caledonian",  // 287
  "Bramoyne Academicals",  // 288
  "Inverskerry Victoria",  // 289
  "Craigriggan Caledonian",  // 290
  "Lochanriggan Caledonian",  // 291
  "Drumtarvie FC",  // 292
  "Drumgarrie Star",  // 293
  "Drumness Victoria",  // 294
  "Auchness Victoria",  // 295
  "Auchness Academicals",  // 296
  "Carncorran Caledonian",  // 297
  "Fintulloch Caledonian",  // 298
  "Kilcorran Thistle",  // 299
  "Kilmoyne Academicals",  // 300
  "Torskerry Academicals",  // 301
  "Finskerry Rovers",  // 302
  "Finskerry Athletic",  // 303
  "Finskerry Academicals",  // 304
  "Lochancorran Star",  // 305
  "Lochancorran Victoria",  // 306
  "Lochancorran Athletic",  // 307
  "Drumlorn Caledonian",  // 308
  "Strathbrannoch FC",  // 309
  "Carvialdo FC",  // 310
  "Asteras Dossarossa",  // 311
  "Athletic Quarzounto",  // 312
  "Asteras Lorbierno",  // 313
  "Panathletic Kalalimni",  // 314
  "Asteras Kalavouni",  // 315
  "Panathletic Lefkovouni",  // 316
  "Xerokampos FC",  // 317
  "Athletic Kalakampos",  // 318
  "Lefkoria FC",  // 319
  "VfB Pfefferdorf",  // 320
  "SV Kellmbruck",  // 321
  "Union Quarnwangen",  // 322
  "Borussia Quarnwangen",  // 323
  "VfB Quarnwangen",  // 324
  "SpVgg Drosselstadt",  // 325
  "1. FC Wirschdorf",  // 326
  "Fortuna Wirschdorf",  // 327
  "TSV Quarnbruck",  // 328
  "TSV Krummelbach",  // 329
  "Borussia Drosseldorf",  // 330
  "VfB Sperlkirchen",  // 331
  "Borussia Fuchtelau",  // 332
  "VfB Sperlau",  // 333
  "1. FC Drosseltal",  // 334
  "VfB Drosseltal",  // 335
  "Union Teckelwangen",  // 336
  "Borussia Quarningen",  // 337
  "Union Zwiebelhausen",  // 338
  "Fortuna Zwiebelhausen",  // 339
  "VfB Fuchtelkirchen",  // 340
  "Fortuna Haselwangen",  // 341
  "Eintracht Lurchingen",  // 342
  "FC Lurchingen",  // 343
  "VfB Murrenkirchen",  // 344
  "SV Ubbelhausen",  // 345
  "Fortuna Ubbelhausen",  // 346
  "Union Wirschkirchen",  // 347
  "TSV Grellrode",  // 348
  "SpVgg Teckelheim",  // 349
  "FC Quarnhofen",  // 350
  "SV Quarnhofen",  // 351
  "TSV Haselweiler",  // 352
  "1. FC Teckelkirchen",  // 353
  "TSV Zwiebelrode",  // 354
  "VfB Kellmfeld",  // 355
  "Fortuna Schnatterbruck",  // 356
  "FC Kellmtal",  // 357
  "Fortuna Pfefferhofen",  // 358
  "1. FC Krummelbruck",  // 359
  "SpVgg Grellstadt",  // 360
  "1. FC Grellstadt",  // 361
  "Union Pfefferhausen",  // 362
  "Borussia Murrenau",  // 363
  "VfB Grellhausen",  // 364
  "Union Quarndorf",  // 365
  "Union Fuchteltal",  // 366
  "FC Sperldorf",  // 367
  "Borussia Kellmweiler",  // 368
  "SpVgg Grellkirchen",  // 369
  "TSV Kellmhofen",  // 370
  "FC Schnatterstadt",  // 371
  "SpVgg Grellbach",  // 372
  "TSV Krummelstadt",  // 373
  "TSV Krummelweiler",  // 374
  "Union Krummelau",  // 375
  "SpVgg Plauderheim",  // 376
  "1. FC Plauderheim",  // 377
  "SV Ubbelburg",  // 378
  "SpVgg Ubbelburg",  // 379
  "SV Pfefferfeld",  // 380
  "FC Zwiebelweiler",  // 381
  "TSV Dorschbach",  // 382
  "SpVgg Schnatterwangen",  // 383
  "SV Dorschbruck",  // 384
  "Union Zwiebelingen",  // 385
  "FC Schnatterweiler",  // 386
  "SV Murrenrode",  // 387
  "1. FC Murrenrode",  // 388
  "1. FC Zwiebelbruck",  // 389
  "Borussia Drosselweiler",  // 390
  "TSV Pfeffertal",  // 391
  "SV Ubbelau",  // 392
  "1. FC Sperlhausen",  // 393
  "Fortuna Sperlhausen",  // 394
  "1. FC Haseldorf",  // 395
  "VfB Haseldorf",  // 396
  "Eintracht Wirschweiler",  // 397
  "SpVgg Wirschweiler",  // 398
  "SV Lurchbruck",  // 399
  "Eintracht Drosselhofen",  // 400
  "TSV Drosselhofen",  // 401
  "1. FC Drosselhofen",  // 402
  "FC Plauderwangen",  // 403
  "TSV Quarntal",  // 404
  "Union Sperlburg",  // 405
  "Union Sperlhorst",  // 406
  "Union Fuchtelhofen",  // 407
  "Eintracht Lurchkirchen",  // 408
  "FC Ubbelbach",  // 409
  "Union Quarnstedt",  // 410
  "Fortuna Quarnstedt",  // 411
  "Borussia Sperlstadt",  // 412
  "Union Krummelingen",  // 413
  "TSV Zwiebelburg",  // 414
  "Borussia Kellmwangen",  // 415
  "Borussia Zwiebelbach",  // 416
  "Eintracht Zwiebelbach",  // 417
  "Union Sperlheim",  // 418
  "Borussia Sperlheim",  // 419
  "SC Orbecy",  // 420
  "FC Ambrelieres",  // 421
  "US Vaubrunot",  // 422
  "AS Quissaceux",  // 423
  "US Quissaceux",  // 424
  "FC Pradelignac",  // 425
  "SC Pradelignac",  // 426
  "US Morlancans",  // 427
  "Stade Morlancans",  // 428
  "AJ Cordelouse",  // 429
  "Stade Sauvetcourt",  // 430
  "FC Cordeleux",  // 431
  "FC Sauveteux",  // 432
  "FC Brasselouse",  // 433
  "Olympique Brasselouse",  // 434
  "Olympique Marquelac",  // 435
  "AS Saint-Aubrin",  // 436
  "FC Gorvalieres",  // 437
  "SC Gorvalieres",  // 438
  "US Morlancy",  // 439
  "Olympique Tourmelville",  // 440
  "SC Tourmelville",  // 441
  "AS Quissacange",  // 442
  "FC Morlanclieu",  // 443
  "AJ Chardinaine",  // 444
  "Olympique Marquely",  // 445
  "Stade Rouvelange",  // 446
  "AJ Rouvelange",  // 447
  "Stade Pradelac",  // 448
  "Stade Chardinel",  // 449
  "AJ Sauvetaine",  // 450
  "US Morlancville",  // 451
  "AS Rouvelouse",  // 452
  "Racing Gorvalouse",  // 453
  "Stade Gorvalouse",  // 454
  "AJ Chardinouse",  // 455
  "Olympique Rouvely",  // 456
  "FC Quissacaine",  // 457
  "Olympique Chardinville",  // 458
  "Racing Fressineux",  // 459
  "US Fressineux",  // 460
  "Racing Quissacignac",  // 461
  "FC Quissacel",  // 462
  "AS Escotlieu",  // 463
  "Stade Morlancaine",  // 464
  "Racing Orbecot",  // 465
  "AJ Gorvalignac",  // 466
  "Olympique Morlancmont",  // 467
  "FC Gorvaleux",  // 468
  "US Sauvetange",  // 469
  "AS Sauvetel",  // 470
  "FC Lussardaine",  // 471
  "FC Rouvelac",  // 472
  "AS Ambrelouse",  // 473
  "FC Morlancac",  // 474
  "Olympique Vaubrunieres",  // 475
  "Stade Marquelans",  // 476
  "FC Marquelans",  // 477
  "Olympique Quissacette",  // 478
  "Olympique Fressinot",  // 479
  "Olympique Pradelmont",  // 480
  "Stade Morlanceil",  // 481
  "Racing Lussardange",  // 482
  "AJ Lussardeil",  // 483
  "AJ Quissacville",  // 484
  "US Gorvalville",  // 485
  "SC Ambrelans",  // 486
  "Olympique Vaubrunmont",  // 487
  "Racing Vaubrunmont",  // 488
  "AS Rouvelel",  // 489
  "US Brasselel",  // 490
  "Olympique Tourmelac",  // 491
  "US Lussardignac",  // 492
  "AS Brasselieres",  // 493
  "US Brasselignac",  // 494
  "FC Sauvetlieu",  // 495
  "Olympique Cordelans",  // 496
  "FC Brasselmont",  // 497
  "Racing Brasselmont",  // 498
  "SC Brasselmont",  // 499
  "AS Escoteux",  // 500
  "US Fressinel",  // 501
  "AS Vaubrunette",  // 502
  "Racing Tourmelel",  // 503
  "SC Sauvetouse",  // 504
  "AS Chardinignac",  // 505
  "Stade Quissaceil",  // 506
  "Stade Chardinange",  // 507
  "Stade Marquelouse",  // 508
  "Racing Sauvety",  // 509
  "FC Sauvety",  // 510
  "Stade Sauvetac",  // 511
  "Racing Sauvetac",  // 512
  "FC Vaubrunans",  // 513
  "US Chardincourt",  // 514
  "Racing Escotouse",  // 515
  "AS Escotouse",  // 516
  "Olympique Rouveleux",  // 517
  "SC Cordelaine",  // 518
  "Stade Cordelaine",  // 519
  "AS Ambrelignac",  // 520
  "SC Marqueleil",  // 521
  "Stade Cordelette",  // 522
  "Olympique Cordelette",  // 523
  "SC Vaubrunel",  // 524
  "SC Cordelignac",  // 525
  "AS Orbecmont",  // 526
  "AS Lussardette",  // 527
  "AJ Orbecieres",  // 528
  "US Fressinette",  // 529
  "CE Cantaliego",  // 530
  "Deportivo Urracera",  // 531
  "CD Huercueros",  // 532
  "Real Huercueros",  // 533
  "SD Quintanino",  // 534
  "CE Dosaguasilla",  // 535
  "CF Rebolueros",  // 536
  "CD Marruboso",  // 537
  "UD Urracejo",  // 538
  "CD Penarino",  // 539
  "CF Huercete",  // 540
  "Deportivo Urracal",  // 541
  "Deportivo Cantalera",  // 542
  "SD Alborejo",  // 543
  "SD Dosaguasueros",  // 544
  "Real Tobaruela",  // 545
  "Real Tobarera",  // 546
  "SD Tobarera",  // 547
  "Deportivo Tobarera",  // 548
  "Racing Escalillo",  // 549
  "SD Escaliego",  // 550
  "Deportivo Tobarilla",  // 551
  "CF Saldanejo",  // 552
  "UD Cantalilla",  // 553
  "CD Quintanal",  // 554
  "Real Dosaguasera",  // 555
  "CD Marrubanca",  // 556
  "CF Marrubanca",  // 557
  "SD Fresnares",  // 558
  "UD Fresnera",  // 559
  "CF Saldanada",  // 560
  "CE Tobaranca",  // 561
  "Deportivo Penarada",  // 562
  "Racing Gorbeilla",  // 563
  "CE Gorbeilla",  // 564
  "SD Marrubueros",  // 565
  "Real Alborona",  // 566
  "Deportivo Ontigino",  // 567
  "SD Zarzalena",  // 568
  "UD Lorbeilla",  // 569
  "Deportivo Berruena",  // 570
  "CD Zarzaluela",  // 571
  "UD Berruino",  // 572
  "CE Dosaguasete",  // 573
  "CF Cantaluela",  // 574
  "CE Saldanena",  // 575
  "Deportivo Dosaguasino",  // 576
  "CD Tobarueros",  // 577
  "Racing Urracedo",  // 578
  "Real Urracares",  // 579
  "Atletico Fresnoso",  // 580
  "Atletico Escaluela",  // 581
  "Deportivo Fresnona",  // 582
  "Atletico Fresnona",  // 583
  "SD Saldanal",  // 584
  "SD Urraciego",  // 585
  "Deportivo Urraciego",  // 586
  "UD Escalino",  // 587
  "CD Alborilla",  // 588
  "SD Escalena",  // 589
  "CD Marrubal",  // 590
  "UD Marrubal",  // 591
  "SD Huercona",  // 592
  "Racing Huercona",  // 593
  "Atletico Lorbeura",  // 594
  "CE Zarzalona",  // 595
  "Real Alborena",  // 596
  "CE Alborueros",  // 597
  "SD Urracada",  // 598
  "Real Tobaroso",  // 599
  "Racing Urracanca",  // 600
  "CF Fresnedo",  // 601
  "CF Fresnada",  // 602
  "Atletico Fresnada",  // 603
  "UD Huercera",  // 604
  "Racing Huercera",  // 605
  "SD Quintananca",  // 606
  "Racing Ontiganca",  // 607
  "Real Ontiganca",  // 608
  "Deportivo Zarzalino",  // 609
  "CE Cantalueros",  // 610
  "Real Huercoso",  // 611
  "UD Marrubino",  // 612
  "CF Huercejo",  // 613
  "Deportivo Huercares",  // 614
  "CF Fresnejo",  // 615
  "CE Fresnejo",  // 616
  "Real Cantalejo",  // 617
  "UD Rebolanca",  // 618
  "CD Gorbeal",  // 619
  "Racing Quintanejo",  // 620
  "Real Rebolino",  // 621
  "CD Lorbeillo",  // 622
  "CE Gorbeona",  // 623
  "Atletico Escalura",  // 624
  "SD Ontigena",  // 625
  "Deportivo Rebolete",  // 626
  "Atletico Fresnilla",  // 627
  "CE Quintanada",  // 628
  "SD Saldanillo",  // 629
  "UD Huercada",  // 630
  "Atletico Zarzalera",  // 631
  "CD Zarzalera",  // 632
  "Real Lorbeanca",  // 633
  "UD Dosaguasona",  // 634
  "UD Gorbeares",  // 635
  "Real Cantalena",  // 636
  "Deportivo Dosaguasejo",  // 637
  "SD Quintanillo",  // 638
  "Racing Alborera",  // 639
  "Dagburun Belediye",  // 640
  "Yesilburun Belediye",  // 641
  "Gulsuspor",  // 642
  "Kizilyurtspor",  // 643
  "Kizilderespor",  // 644
  "Gultepespor",  // 645
  "Bagdere Genclik",  // 646
  "Gulburun Belediye",  // 647
  "Demirburun Genclik",  // 648
  "Dagalan Belediye",  // 649
  "Slavia Rybansk",  // 650
  "Slavia Kamice",  // 651
  "Spartak Staraica",  // 652
  "Dinamo Kamava",  // 653
  "Askang FF",  // 654
  "Norrheim IK",  // 655
  "FK Strandholm",  // 656
  "Askfjord IK",  // 657
  "IF Askheim",  // 658
  "IL Alvoy",  // 659
  "Polisportiva Mazzarunto",  // 660
  "Ombriezza Calcio",  // 661
  "AC Ombriezza",  // 662
  "AC Pelliuccio",  // 663
  "Polisportiva Mazzarezza",  // 664
  "AC Ombrioni",  // 665
  "Polisportiva Ombrioni",  // 666
  "Pro Quarzoate",  // 667
  "US Dossarate",  // 668
  "AC Brestiezza",  // 669
  "Zerbiora Calcio",  // 670
  "Virtus Dossarete",  // 671
  "AC Brennete",  // 672
  "AC Gorlanasto",  // 673
  "Gorlanasto Calcio",  // 674
  "AS Gorlanasto",  // 675
  "AC Trevanete",  // 676
  "AS Lorbiano",  // 677
  "AS Zerbiate",  // 678
  "Pro Zerbiate",  // 679
  "Sporting Brennasca",  // 680
  "AS Fennaroete",  // 681
  "Virtus Brestiunto",  // 682
  "US Scolliunto",  // 683
  "AC Carvierno",  // 684
  "US Quarzoano",  // 685
  "Rivellora Calcio",  // 686
  "Gorlaniglia Calcio",  // 687
  "Polisportiva Zerbiossa",  // 688
  "Pro Ombriello",  // 689
  "Sporting Trevanaldo",  // 690
  "AS Brestiossa",  // 691
  "AS Pelliora",  // 692
  "AS Gorlanende",  // 693
  "Scolliate Calcio",  // 694
  "Polisportiva Pelliano",  // 695
  "AC Brestiuccio",  // 696
  "Sporting Vallonende",  // 697
  "Virtus Scolliuccio",  // 698
  "Polisportiva Scolliete",  // 699
  "Ombriende Calcio",  // 700
  "Polisportiva Crostaello",  // 701
  "Polisportiva Lorbiezza",  // 702
  "US Crostaina",  // 703
  "Brennano Calcio",  // 704
  "US Lorbialdo",  // 705
  "Virtus Gorlanezza",  // 706
  "Polisportiva Gorlanezza",  // 707
  "AS Quarzoende",  // 708
  "Sporting Lorbiasto",  // 709
  "Polisportiva Zerbiasca",  // 710
  "AS Brestioni",  // 711
  "Pro Quarzoasca",  // 712
  "AC Quarzoete",  // 713
  "AC Trevanoni",  // 714
  "Pro Trevanoni",  // 715
  "Virtus Usseriate",  // 716
  "Pro Fennaroasto",  // 717
  "Pro Scolliossa",  // 718
  "AC Scolliossa",  // 719
  "Zerbiuccio Calcio",  // 720
  "AS Zerbiuccio",  // 721
  "Virtus Brennoni",  // 722
  "Mazzarizza Calcio",  // 723
  "Pro Vallonerno",  // 724
  "Polisportiva Crostaossa",  // 725
  "Virtus Trevanossa",  // 726
  "AS Zerbiende",  // 727
  "AS Gorlanate",  // 728
  "AC Usseriende",  // 729
  "Polisportiva Usseriende",  // 730
  "US Usseriende",  // 731
  "Sporting Rivellerno",  // 732
  "Polisportiva Mazzaraldo",  // 733
  "US Mazzaraldo",  // 734
  "Mazzaruccio Calcio",  // 735
  "Polisportiva Ombriuccio",  // 736
  "Usseriora Calcio",  // 737
  "AC Trevanerno",  // 738
  "Polisportiva Carviasto",  // 739
  "Vikdal IK",  // 740
  "Heimberg IK",  // 741
  "IF Svalfjord",  // 742
  "FK Lundlund",  // 743
  "IL Sandstad",  // 744
  "IF Sandborg",  // 745
  "Vikberg FF",  // 746
  "IL Lundvik",  // 747
  "IF Strandvik",  // 748
  "FK Roheim",  // 749
  "IL Sandlund",  // 750
  "IF Toroy",  // 751
  "Svalnes IK",  // 752
  "FK Grimvik",  // 753
  "Torholm FF",  // 754
  "Bjornvik IK",  // 755
  "Bjornberg BK",  // 756
  "IL Lundsund",  // 757
  "IF Skones",  // 758
  "Holstad BK",  // 759
  "IF Ekstad",  // 760
  "Fjallnes IK",  // 761
  "FK Sandvaag",  // 762
  "Lundholm BK",  // 763
  "FK Fjallvaag",  // 764
  "Racing Pelterbos",  // 765
  "IL Rovaag",  // 766
  "Skostad FF",  // 767
  "Vikoy FF",  // 768
  "FK Heimlund",  // 769
  "Slavia Belaovo",  // 770
  "Dinamo Belaets",  // 771
  "FK Krasneni",  // 772
  "Lokomotiv Jasnik",  // 773
  "Zeljeznicar Goragrad",  // 774
  "FK Belaeni",  // 775
  "Slavia Rybeni",  // 776
  "Slavia Rybovka",  // 777
  "Zeljeznicar Lipica",  // 778
  "Zeljeznicar Dobrany",  // 779
  "Torpedo Mirary",  // 780
  "Spartak Dubin",  // 781
  "Spartak Sosovka",  // 782
  "Metalurg Dubava",  // 783
  "FK Polany",  // 784
  "Metalurg Rybnik",  // 785
  "Zeljeznicar Goraovo",  // 786
  "Dinamo Lesograd",  // 787
  "Dinamo Lipina",  // 788
  "Metalurg Krasnovka",  // 789
  "FK Belaov",  // 790
  "Metalurg Vysoava",  // 791
  "Zeljeznicar Police",  // 792
  "FK Sosice",  // 793
  "Lokomotiv Lesina",  // 794
  "Slavia Mirgrad",  // 795
  "Lokomotiv Sosin",  // 796
  "Metalurg Lipograd",  // 797
  "Lokomotiv Polin",  // 798
  "Spartak Rybin",  // 799
  "Zeljeznicar Zlatgrad",  // 800
  "Dinamo Lesin",  // 801
  "Metalurg Lesany",  // 802
  "Torpedo Krasnava",  // 803
  "Spartak Sosograd",  // 804
  "Zeljeznicar Lesovka",  // 805
  "Metalurg Belaovec",  // 806
  "Dinamo Lesica",  // 807
  "Spartak Krasnovo",  // 808
  "Metalurg Krasnice",  // 809
  "Zeljeznicar Vysoin",  // 810
  "Dinamo Rybice",  // 811
  "FK Belagrad",  // 812
  "Slavia Dubets",  // 813
  "Zeljeznicar Dubov",  // 814
  "Dinamo Dobrnik",  // 815
  "Dinamo Polgrad",  // 816
  "Zeljeznicar Krasnansk",  // 817
  "Spartak Polets",  // 818
  "Torpedo Zlatovka",  // 819
  "Lokomotiv Mireni",  // 820
  "Lokomotiv Dubice",  // 821
  "Lokomotiv Dobrary",  // 822
  "FK Belanik",  // 823
  "Dinamo Jasgrad",  // 824
  "Torpedo Zlatava",  // 825
  "Metalurg Lipary",  // 826
  "FK Dubeni",  // 827
  "Torpedo Krasnograd",  // 828
  "Slavia Goraograd",  // 829
  "FK Novoeni",  // 830
  "Spartak Sosets",  // 831
  "FK Brezets",  // 832
  "Zeljeznicar Brezeni",  // 833
  "Slavia Mirovka",  // 834
  "Dinamo Brezansk",  // 835
  "Torpedo Brezary",  // 836
  "Torpedo Vysoeni",  // 837
  "Metalurg Rybany",  // 838
  "FK Sosovo",  // 839
  "Torpedo Staranik",  // 840
  "FK Polary",  // 841
  "Spartak Rybica",  // 842
  "Metalurg Starain",  // 843
  "Dinamo Belaovka",  // 844
  "Dinamo Krasnov",  // 845
  "Dinamo Zlatovec",  // 846
  "FK Kamovec",  // 847
  "Slavia Leseni",  // 848
  "Torpedo Kameni",  // 849
  "Lokomotiv Krasnovec",  // 850
  "Torpedo Dubovka",  // 851
  "FK Polnik",  // 852
  "Torpedo Polov",  // 853
  "FK Lesgrad",  // 854
  "Metalurg Miransk",  // 855
  "FK Jaseni",  // 856
  "Metalurg Kamovka",  // 857
  "FK Kamets",  // 858
  "Zeljeznicar Zlatovo",  // 859
  "Spartak Novoets",  // 860
  "Zeljeznicar Belaica",  // 861
  "Spartak Kamina",  // 862
  "Zeljeznicar Lesovo",  // 863
  "Zeljeznicar Goraovka",  // 864
  "Dinamo Lipice",  // 865
  "Lokomotiv Vysonik",  // 866
  "Spartak Novoansk",  // 867
  "FK Polovka",  // 868
  "Torpedo Goraov",  // 869
  "Zeljeznicar Zlatnik",  // 870
  "Torpedo Mirets",  // 871
  "Zeljeznicar Staraina",  // 872
  "Metalurg Polansk",  // 873
  "Metalurg Dubgrad",  // 874
  "Metalurg Dobrica",  // 875
  "Lokomotiv Dubovo",  // 876
  "Torpedo Goraovec",  // 877
  "Torpedo Novoary",  // 878
  "Spartak Dubansk",  // 879
  "Metalurg Kamograd",  // 880
  "Spartak Mirovo",  // 881
  "Dinamo Rybets",  // 882
  "Metalurg Jasina",  // 883
  "Slavia Dobrice",  // 884
  "Torpedo Belaograd",  // 885
  "FK Kamovo",  // 886
  "Zeljeznicar Zlatansk",  // 887
  "Zeljeznicar Novoava",  // 888
  "Slavia Dubany",  // 889
  "Metalurg Zlatograd",  // 890
  "Slavia Dobrgrad",  // 891
  "Metalurg Dobrava",  // 892
  "Metalurg Soseni",  // 893
  "Spartak Staraovo",  // 894
  "Spartak Dubary",  // 895
  "Torpedo Dobreni",  // 896
  "Spartak Krasnary",  // 897
  "Torpedo Novoany",  // 898
  "Metalurg Dubnik",  // 899
  "Zeljeznicar Rybovec",  // 900
  "FK Lipeni",  // 901
  "Lokomotiv Lipovka",  // 902
  "Metalurg Zlatets",  // 903
  "Zeljeznicar Goraina",  // 904
  "Lokomotiv Lipovo",  // 905
  "Slavia Goraice",  // 906
  "Lokomotiv Dobrograd",  // 907
  "FK Lipov",  // 908
  "FK Rybgrad",  // 909
  "Zeljeznicar Breznik",  // 910
  "Spartak Poleni",  // 911
  "Lokomotiv Polovo",  // 912
  "Metalurg Lesov",  // 913
  "Dinamo Jasary",  // 914
  "Dinamo Mirice",  // 915
  "Sport Rio Dorado",  // 916
  "Club Campo Bonito",  // 917
  "Atletico Rio Verde",  // 918
  "Deportivo Nueva Lindo",  // 919
  "Atletico Villa Florido",  // 920
  "Atletico Puerto Lindo",  // 921
  "Atletico Alto Verde",  // 922
  "Club Porto Hermoso",  // 923
  "Sport Campo Alegre",  // 924
  "Atletico Alto Grande",  // 925
  "Atletico Rio Sereno",  // 926
  "Sport Nueva Alegre",  // 927
  "Atletico Nueva Sereno",  // 928
  "Atletico Santa Grande",  // 929
  "Club Puerto Florido",  // 930
  "Sport Rio Grande",  // 931
  "Kwasori Lions",  // 932
  "Kwagoro United",  // 933
  "Zanmara Lions",  // 934
  "Sporting Kwabene",  // 935
  "Lusamara United",  // 936
  "Sporting Ibewale",  // 937
  "Sporting Tamamara",  // 938
  "Tamawale United",  // 939
  "SC Cabecada",  // 940
  "CD Quintada",  // 941
  "Uniao Ervidal",  // 942
  "SC Sobraleira",  // 943
  "GD Zambujal",  // 944
  "FC Louridaes",  // 945
  "Uniao Louridaes",  // 946
  "Desportivo Outeiraes",  // 947
  "CD Louridosa",  // 948
  "GD Boucete",  // 949
  "Uniao Zambujais",  // 950
  "Desportivo Sobralais",  // 951
  "FC Sobralais",  // 952
  "FC Mogadais",  // 953
  "FC Alvaral",  // 954
  "GD Taroucouro",  // 955
  "Atletico Taroucouro",  // 956
  "FC Perdigela",  // 957
  "SC Boucaes",  // 958
  "CD Sobralete",  // 959
  "Uniao Sobralosa",  // 960
  "SC Boucido",  // 961
  "Uniao Quintela",  // 962
  "Uniao Rebordouro",  // 963
  "CD Cabecaca",  // 964
  "SC Cabecaca",  // 965
  "CD Arrifeira",  // 966
  "Academica Vidaginho",  // 967
  "FC Taroucaes",  // 968
  "FC Fonteirido",  // 969
  "Atletico Alvarume",  // 970
  "Desportivo Vidageira",  // 971
  "CD Louridais",  // 972
  "FC Alvareira",  // 973
  "Uniao Vidagaca",  // 974
  "Uniao Ervidido",  // 975
  "GD Carraposa",  // 976
  "Atletico Fonteiroso",  // 977
  "GD Louridelo",  // 978
  "FC Vidagosa",  // 979
  "Academica Sobraloso",  // 980
  "CD Sobraloso",  // 981
  "Academica Outeirada",  // 982
  "SC Perdigouro",  // 983
  "Desportivo Mogadume",  // 984
  "Atletico Cabecete",  // 985
  "Atletico Fonteirinho",  // 986
  "Desportivo Carrapete",  // 987
  "Atletico Outeireira",  // 988
  "GD Ervidinho",  // 989
  "Atletico Ervidelo",  // 990
  "SC Zambujedo",  // 991
  "Desportivo Vidagouro",  // 992
  "Uniao Vidagouro",  // 993
  "CD Arrifosa",  // 994
  "Atletico Rebordal",  // 995
  "Desportivo Rebordal",  // 996
  "SC Outeiredo",  // 997
  "CD Outeiredo",  // 998
  "FC Mogadaes",  // 999
  "VV Langehuizen",  // 1000
  "Langehuizen Boys",  // 1001
  "VV Dijklo",  // 1002
  "Vitesse Noordstede",  // 1003
  "Quick Heidestede",  // 1004
  "Sportclub Heidestede",  // 1005
  "Kerksluis Boys",  // 1006
  "FC Zandbroek",  // 1007
  "Westerveen Boys",  // 1008
  "Vitesse Noordveen",  // 1009
  "Noordveen Boys",  // 1010
  "SC Oostersluis",  // 1011
  "SC Schoonveen",  // 1012
  "Vitesse Schoonveen",  // 1013
  "VV Schoonveen",  // 1014
  "SC Wijkveen",  // 1015
  "Sportclub Zandmeer",  // 1016
  "SC Kerkstede",  // 1017
  "Zuiderwijk Boys",  // 1018
  "Quick Oosterhoven",  // 1019
  "Heideberg Boys",  // 1020
  "Quick Westerkamp",  // 1021
  "FC Westerberg",  // 1022
  "SC Groenkamp",  // 1023
  "Vitesse Heidewijk",  // 1024
  "SC Oostermeer",  // 1025
  "SC Kerkveen",  // 1026
  "FC Kerkveen",  // 1027
  "FC Venzijl",  // 1028
  "Quick Schoonzijl",  // 1029
  "SC Laagdijk",  // 1030
  "FC Heidedrecht",  // 1031
  "SC Kerkbroek",  // 1032
  "Quick Kerkbroek",  // 1033
  "VV Kerkbroek",  // 1034
  "Quick Venlo",  // 1035
  "Sportclub Venhuizen",  // 1036
  "FC Wijkwoude",  // 1037
  "FC Oosterveen",  // 1038
  "FC Westermeer",  // 1039
  "VV Bruglo",  // 1040
  "Sportclub Laaghorst",  // 1041
  "Sportclub Noordmeer",  // 1042
  "Sportclub Hooghoven",  // 1043
  "Quick Noordgouw",  // 1044
  "VV Oosterdijk",  // 1045
  // 1046-1199: unused database numbers, no club (null)
};

// { country, map x, map y }: clubs of one town stand a few points apart.
const ClubHome ClubHomeTable[NUM_DB_CLUBS] = {
  { 0, 423, 254}, { 0,  65, 434}, { 0, 236, 157}, { 0, 238, 153},  // 0
  { 0, 487, 168}, { 0, 194, 268}, { 0, 256, 233}, { 0, 254, 229},  // 4
  { 0, 233, 317}, { 0, 123, 186}, { 0, 211, 343}, { 0, 238, 175},  // 8
  { 0, 406, 329}, { 0, 344, 412}, { 0, 576, 364}, { 0, 377,  67},  // 12
  { 0, 374,  65}, { 0, 147, 143}, { 0, 254,  81}, { 0, 566, 396},  // 16
  { 0, 536, 310}, { 0, 538, 307}, { 0, 497, 232}, { 0, 102, 323},  // 20
  { 0, 208, 321}, { 0, 561, 147}, { 0, 558, 150}, { 0, 557, 143},  // 24
  { 0, 550, 171}, { 0, 232, 379}, { 0, 433, 361}, { 0, 198, 100},  // 28
  { 0, 458, 356}, { 0, 421, 303}, { 0, 593, 104}, { 0, 418, 253},  // 32
  { 0, 294, 242}, { 0, 433, 170}, { 0, 130, 394}, { 0, 377, 345},  // 36
  { 0,  98,  91}, { 0, 540, 433}, { 0,  40, 212}, { 0, 368, 298},  // 40
  { 0, 354, 136}, { 0, 354, 137}, { 0, 241, 237}, { 0, 119, 331},  // 44
  { 0, 176, 218}, { 0, 256,  41}, { 0, 439, 128}, { 0, 596, 223},  // 48
  { 0, 598, 220}, { 0, 314, 304}, { 0, 575, 375}, { 0, 328, 187},  // 52
  { 0, 338, 417}, { 0, 243, 393}, { 0, 514,  71}, { 0, 518,  67},  // 56
  { 0, 320, 242}, { 0, 246, 401}, { 0,  54, 385}, { 0, 599, 110},  // 60
  { 0, 599, 106}, { 0, 229, 104}, { 0, 587, 344}, { 0,  49, 197},  // 64
  { 0, 129, 333}, { 0,  62, 107}, { 0, 398, 293}, { 0, 397, 294},  // 68
  { 0, 402, 290}, { 0,  82, 387}, { 0,  86, 385}, { 0,  86, 390},  // 72
  { 0, 105,  82}, { 0, 536, 108}, { 0, 534, 109}, { 0, 231, 151},  // 76
  { 0, 353, 198}, { 0, 238, 103}, { 0, 242, 106}, { 0, 305, 212},  // 80
  { 0, 266, 120}, { 0, 521, 206}, { 0, 174, 264}, { 0, 397, 272},  // 84
  { 0, 396, 274}, { 0, 358, 270}, { 0, 570, 172}, { 0, 334,  89},  // 88
  { 0, 374, 229}, { 0, 376, 233}, { 0, 145, 438}, { 0, 157, 254},  // 92
  { 0, 337, 194}, { 0, 284,  98}, { 0, 429, 113}, { 0,  47, 102},  // 96
  { 0, 519,  44}, { 0, 138, 197}, { 0, 216, 104}, { 0, 153, 335},  // 100
  { 0, 132, 290}, { 0, 387,  92}, { 0, 390,  88}, { 0, 217,  66},  // 104
  { 0, 234, 369}, { 0, 237, 373}, { 0, 446, 426}, { 0, 446, 424},  // 108
  { 0, 444, 428}, { 0, 386, 104}, { 0, 296,  97}, { 0, 105, 334},  // 112
  { 0, 341, 100}, { 0,  63,  80}, { 0, 384, 126}, { 0, 248, 282},  // 116
  { 0, 377, 425}, { 0, 375, 429}, { 0, 396, 132}, { 0,  46, 195},  // 120
  { 9, 505, 269}, { 9, 532, 408}, { 9, 577, 344}, { 9, 149, 321},  // 124
  { 9, 455, 167}, { 9, 344, 395}, { 9, 326, 411}, { 9, 407, 218},  // 128
  { 9, 187, 370}, { 9, 504, 183}, { 8,  96, 437}, { 8, 488, 221},  // 132
  { 8, 209, 308}, { 8, 259, 176}, { 8,  83, 416}, { 8, 131, 380},  // 136
  { 8, 522, 334}, { 8,  77, 409}, { 8, 477, 310}, { 8, 481, 314},  // 140
  { 8, 326, 311}, { 8, 329, 310}, { 8, 177, 386}, { 8, 447, 404},  // 144
  { 8, 184, 191}, { 8, 217, 154}, { 8, 540, 150}, { 8, 558,  44},  // 148
  { 8, 423, 221}, { 8, 426, 225}, { 8, 421, 218}, { 8,  89, 205},  // 152
  { 8, 503, 273}, { 8, 506, 273}, { 8, 283, 214}, { 8, 433, 303},  // 156
  { 8,  42, 125}, { 8, 403, 375}, { 8, 405, 378}, { 8, 281, 407},  // 160
  { 8, 543, 360}, { 8, 259, 185}, { 8, 340,  47}, { 8, 210, 311},  // 164
  { 8, 499, 110}, { 8,  45,  50}, { 8, 267, 114}, { 8, 387, 137},  // 168
  { 8,  86, 276}, { 8, 563, 162}, { 8, 426, 274}, { 8, 566, 360},  // 172
  { 8, 426, 271}, { 8, 337, 351}, { 8, 132,  51}, { 8, 482, 244},  // 176
  { 8, 485, 247}, { 8, 259, 131}, { 8, 138, 210}, { 8, 288,  46},  // 180
  { 8, 337,  70}, { 8, 435, 103}, { 8, 300, 166}, { 8, 262, 130},  // 184
  { 8, 134, 149}, { 8, 112, 185}, {10, 584, 250}, {10, 467, 177},  // 188
  {10, 364, 159}, {10, 336,  71}, {10, 582, 217}, {10, 458, 299},  // 192
  {10, 426, 272}, {10, 533,  72}, {10, 569,  62}, {10, 584, 366},  // 196
  {11,  40, 304}, {11, 546,  69}, {11,  48,  45}, {11, 252, 172},  // 200
  {11, 272, 355}, {11, 481, 322}, {11, 325, 339}, {11, 190, 112},  // 204
  {11, 494, 297}, {11, 413,  66}, {12, 494, 310}, {12, 177, 135},  // 208
  {12, 316, 188}, {12,  79, 291}, {12, 440, 367}, {12, 153, 288},  // 212
  {12, 381,  78}, {12, 236, 109}, {12, 564, 399}, {12, 473, 354},  // 216
  {12, 313, 345}, {12, 277,  59}, {13, 299, 283}, {13, 174, 111},  // 220
  {13, 277, 291}, {13, 506,  94}, {13, 338, 326}, {13, 494, 217},  // 224
  {13, 354, 160}, {13, 221, 366}, {13, 592, 233}, {13, 214, 411},  // 228
  {14,  46, 212}, {14, 162, 235}, {14, 455, 121}, {14,  64, 432},  // 232
  {14, 518, 263}, {14,  48,  42}, {15,  94, 428}, {15, 140,  89},  // 236
  {15, 550, 325}, {15, 156, 118}, {15, 350, 437}, {15, 305, 224},  // 240
  {15, 435, 387}, {15, 227, 209}, {15,  47, 217}, {15, 512, 159},  // 244
  {15, 177, 344}, {15, 200,  73}, { 1, 315, 136}, { 1, 474, 117},  // 248
  { 1, 592,  72}, { 1, 197,  89}, { 1, 190,  56}, { 1, 258, 430},  // 252
  { 1, 330, 159}, { 1, 104, 393}, { 1, 162, 410}, { 1, 403, 316},  // 256
  { 1, 179, 160}, { 1, 141, 230}, { 1, 423, 399}, { 1,  83,  47},  // 260
  { 1,  86,  43}, { 1,  87,  45}, { 1, 362, 408}, { 1, 308,  93},  // 264
  { 1, 309,  89}, { 1, 309,  96}, { 1, 260, 417}, { 1, 257, 415},  // 268
  { 1,  68, 168}, { 1, 463,  84}, { 1, 559, 373}, { 1, 461, 224},  // 272
  { 1,  90, 428}, { 1, 564, 292}, { 1, 454, 144}, { 1, 561, 426},  // 276
  { 1, 346, 167}, { 1, 441,  75}, { 1, 580, 367}, { 1, 395, 206},  // 280
  { 1, 389, 118}, { 1, 499, 101}, { 1, 324, 138}, { 1, 362, 245},  // 284
  { 1,  55, 315}, { 1, 218,  98}, { 1, 590, 155}, { 1, 277,  89},  // 288
  { 1,  41, 104}, { 1, 560, 319}, { 1, 152, 318}, { 1, 533,  70},  // 292
  { 1, 530,  68}, { 1, 252,  57}, { 1, 354, 177}, { 1, 244, 132},  // 296
  { 1, 458, 400}, { 1, 317, 205}, { 1, 568, 342}, { 1, 572, 344},  // 300
  { 1, 571, 345}, { 1, 509, 215}, { 1, 510, 219}, { 1, 510, 219},  // 304
  { 1, 428,  44}, { 1, 213, 179}, {16, 477, 427}, {16, 140, 163},  // 308
  {16,  91, 200}, {16, 495, 273}, {17, 311,  94}, {17, 542, 401},  // 312
  {17,  41, 276}, {17, 540, 340}, {17, 390, 298}, {17, 304, 230},  // 316
  { 3, 561, 196}, { 3, 535, 241}, { 3,  73, 409}, { 3,  75, 411},  // 320
  { 3,  72, 408}, { 3, 115,  43}, { 3, 478, 203}, { 3, 474, 206},  // 324
  { 3, 390, 253}, { 3, 105, 110}, { 3, 307,  81}, { 3,  71,  78},  // 328
  { 3, 133, 150}, { 3,  64, 426}, { 3, 169, 167}, { 3, 172, 170},  // 332
  { 3, 598,  47}, { 3, 485, 311}, { 3, 349, 314}, { 3, 348, 313},  // 336
  { 3, 499, 133}, { 3, 239, 378}, { 3, 281, 121}, { 3, 279, 122},  // 340
  { 3, 330,  68}, { 3, 233, 106}, { 3, 232, 109}, { 3, 266, 355},  // 344
  { 3, 390, 326}, { 3, 261, 361}, { 3, 483, 329}, { 3, 482, 326},  // 348
  { 3, 219, 181}, { 3, 465, 161}, { 3, 159, 183}, { 3, 266, 219},  // 352
  { 3, 203, 402}, { 3, 185, 309}, { 3, 324, 176}, { 3, 450, 393},  // 356
  { 3, 110, 292}, { 3, 113, 288}, { 3, 413, 354}, { 3, 320,  74},  // 360
  { 3, 582, 343}, { 3,  53, 410}, { 3, 555,  70}, { 3, 514, 424},  // 364
  { 3, 278, 191}, { 3, 392,  88}, { 3, 275, 304}, { 3, 471, 117},  // 368
  { 3, 571, 100}, { 3, 573, 237}, { 3,  56, 422}, { 3, 569, 326},  // 372
  { 3, 255,  77}, { 3, 257,  81}, { 3, 489, 194}, { 3, 491, 195},  // 376
  { 3, 437, 344}, { 3, 550, 196}, { 3, 400, 218}, { 3, 528, 225},  // 380
  { 3, 519, 293}, { 3, 358, 399}, { 3, 314,  89}, { 3, 433, 186},  // 384
  { 3, 430, 190}, { 3,  70,  52}, { 3, 498, 170}, { 3, 235, 407},  // 388
  { 3, 177, 366}, { 3, 483, 173}, { 3, 486, 174}, { 3, 553, 315},  // 392
  { 3, 550, 319}, { 3, 312, 389}, { 3, 314, 387}, { 3, 341, 347},  // 396
  { 3, 527, 224}, { 3, 529, 225}, { 3, 525, 223}, { 3,  74, 118},  // 400
  { 3, 592,  68}, { 3, 231, 111}, { 3, 544, 207}, { 3, 569, 322},  // 404
  { 3,  51, 134}, { 3, 173, 394}, { 3, 352, 253}, { 3, 354, 252},  // 408
  { 3, 459, 216}, { 3, 475, 230}, { 3, 130, 438}, { 3,  99, 124},  // 412
  { 3, 256,  44}, { 3, 253,  44}, { 3, 413, 115}, { 3, 411, 111},  // 416
  { 6, 480, 262}, { 6, 118, 178}, { 6, 516, 335}, { 6, 228, 278},  // 420
  { 6, 224, 275}, { 6,  98, 217}, { 6,  97, 218}, { 6, 295, 292},  // 424
  { 6, 296, 295}, { 6, 304, 306}, { 6, 253, 270}, { 6, 188, 149},  // 428
  { 6, 471, 310}, { 6, 107, 103}, { 6, 109, 100}, { 6,  97, 370},  // 432
  { 6, 573, 338}, { 6, 153, 149}, { 6, 157, 153}, { 6, 100, 165},  // 436
  { 6, 542,  58}, { 6, 546,  57}, { 6, 101, 245}, { 6, 526, 299},  // 440
  { 6, 477, 397}, { 6, 170, 201}, { 6,  48,  86}, { 6,  47,  84},  // 444
  { 6, 131, 189}, { 6, 197, 337}, { 6, 594, 182}, { 6, 432, 316},  // 448
  { 6, 549,  95}, { 6, 416, 261}, { 6, 418, 260}, { 6, 599, 329},  // 452
  { 6, 354,  73}, { 6, 270, 212}, { 6, 281, 379}, { 6, 450, 380},  // 456
  { 6, 449, 383}, { 6, 118, 176}, { 6, 431,  93}, { 6, 130, 290},  // 460
  { 6, 361, 298}, { 6, 137, 153}, { 6, 432,  56}, { 6, 517, 397},  // 464
  { 6, 375,  66}, { 6, 517,  65}, { 6, 536, 373}, { 6, 289, 405},  // 468
  { 6, 357, 249}, { 6,  67, 201}, { 6, 454, 295}, { 6, 547, 351},  // 472
  { 6, 240, 244}, { 6, 242, 243}, { 6, 499, 285}, { 6,  65, 220},  // 476
  { 6, 492, 172}, { 6, 185,  49}, { 6, 277, 245}, { 6, 486, 371},  // 480
  { 6, 584, 162}, { 6, 416, 331}, { 6, 166, 212}, { 6, 505, 350},  // 484
  { 6, 502, 351}, { 6, 114, 216}, { 6, 278, 411}, { 6, 380, 206},  // 488
  { 6, 461, 437}, { 6, 350, 276}, { 6, 154, 166}, { 6, 377, 355},  // 492
  { 6, 154, 191}, { 6, 352, 377}, { 6, 356, 378}, { 6, 355, 376},  // 496
  { 6, 531, 232}, { 6,  42, 191}, { 6, 210, 171}, { 6,  51, 106},  // 500
  { 6, 467,  52}, { 6, 474, 372}, { 6, 307,  49}, { 6, 264, 220},  // 504
  { 6, 244, 164}, { 6, 434, 336}, { 6, 438, 335}, { 6, 585, 243},  // 508
  { 6, 584, 241}, { 6, 407, 271}, { 6, 316, 194}, { 6, 523, 298},  // 512
  { 6, 524, 294}, { 6, 343, 336}, { 6, 411, 340}, { 6, 408, 340},  // 516
  { 6, 161, 250}, { 6, 199,  71}, { 6, 539, 246}, { 6, 537, 242},  // 520
  { 6, 307, 419}, { 6, 125, 186}, { 6, 391, 137}, { 6, 407, 146},  // 524
  { 6, 276, 137}, { 6,  90, 222}, { 4, 157, 307}, { 4, 449, 146},  // 528
  { 4, 175, 236}, { 4, 177, 235}, { 4, 448, 346}, { 4, 444,  41},  // 532
  { 4, 569, 380}, { 4, 212, 379}, { 4, 402, 354}, { 4, 208, 274},  // 536
  { 4, 284, 143}, { 4, 192, 429}, { 4, 140,  87}, { 4,  99, 346},  // 540
  { 4, 203, 245}, { 4, 237,  82}, { 4, 315,  89}, { 4, 312,  93},  // 544
  { 4, 319,  86}, { 4, 277, 241}, { 4, 103, 400}, { 4, 343, 236},  // 548
  { 4, 230,  76}, { 4, 280, 286}, { 4, 105, 252}, { 4, 354, 190},  // 552
  { 4, 436, 236}, { 4, 438, 238}, { 4, 523, 136}, { 4, 562, 106},  // 556
  { 4, 509, 280}, { 4, 483, 190}, { 4, 483,  90}, { 4, 212, 185},  // 560
  { 4, 211, 182}, { 4, 485, 366}, { 4, 539, 301}, { 4, 207, 151},  // 564
  { 4, 484, 426}, { 4, 577, 269}, { 4, 215,  57}, { 4, 393, 423},  // 568
  { 4, 576, 293}, { 4, 289, 274}, { 4, 268, 120}, { 4, 249,  42},  // 572
  { 4, 553, 277}, { 4, 476, 439}, { 4, 175, 316}, { 4, 520, 182},  // 576
  { 4, 524, 412}, { 4, 142, 306}, { 4, 281,  86}, { 4, 277,  90},  // 580
  { 4,  47, 358}, { 4, 294, 237}, { 4, 298, 236}, { 4, 172,  93},  // 584
  { 4, 313, 356}, { 4, 486, 104}, { 4, 301, 389}, { 4, 300, 388},  // 588
  { 4, 386, 352}, { 4, 390, 352}, { 4, 157, 379}, { 4, 580,  77},  // 592
  { 4, 546, 105}, { 4, 462, 177}, { 4, 174, 210}, { 4, 394, 195},  // 596
  { 4, 544, 239}, { 4,  61,  42}, { 4, 160, 416}, { 4, 157, 418},  // 600
  { 4, 446, 330}, { 4, 442, 332}, { 4, 516, 292}, { 4, 171, 426},  // 604
  { 4, 175, 430}, { 4, 553, 311}, { 4, 428, 148}, { 4, 320, 197},  // 608
  { 4, 584, 305}, { 4, 235,  87}, { 4, 281, 178}, { 4, 346, 101},  // 612
  { 4, 344,  98}, { 4, 426, 145}, { 4, 278,  70}, { 4, 527,  81},  // 616
  { 4, 149,  93}, { 4, 474,  47}, { 4, 480, 231}, { 4, 266, 323},  // 620
  { 4, 580, 122}, { 4, 305, 257}, { 4, 533, 392}, { 4, 477, 216},  // 624
  { 4,  48, 164}, { 4,  88, 416}, { 4, 293, 119}, { 4, 154, 365},  // 628
  { 4, 155, 364}, { 4, 243, 214}, { 4,  51, 324}, { 4, 424, 389},  // 632
  { 4, 141, 241}, { 4, 482, 108}, { 4, 219, 391}, { 4, 122, 103},  // 636
  {18, 119, 407}, {18, 591,  97}, {18, 231, 109}, {18, 582, 174},  // 640
  {18, 390, 141}, {18, 176, 279}, {18, 575, 311}, {18, 223, 241},  // 644
  {18, 110, 298}, {18,  88,  99}, {19, 140,  48}, {19, 322, 333},  // 648
  {19, 136,  89}, {19, 592,  95}, {20,  48, 289}, {20, 398, 414},  // 652
  {20, 322,  92}, {20, 106,  68}, {20, 519, 249}, {20, 218, 346},  // 656
  { 2, 355, 255}, { 2, 190, 114}, { 2, 186, 115}, { 2, 213, 387},  // 660
  { 2, 429,  43}, { 2, 497, 305}, { 2, 493, 301}, { 2, 440,  51},  // 664
  { 2, 531, 385}, { 2, 213, 338}, { 2,  67, 420}, { 2, 146, 269},  // 668
  { 2, 505,  59}, { 2, 442, 343}, { 2, 444, 346}, { 2, 445, 342},  // 672
  { 2, 569, 244}, { 2, 498, 155}, { 2,  83, 423}, { 2,  80, 424},  // 676
  { 2, 381, 436}, { 2, 538, 196}, { 2, 172, 100}, { 2, 326,  57},  // 680
  { 2, 597,  57}, { 2, 291,  84}, { 2, 218, 217}, { 2, 302, 236},  // 684
  { 2, 468, 242}, { 2, 334, 400}, { 2, 452, 195}, { 2, 238, 419},  // 688
  { 2, 364, 101}, { 2, 221, 135}, { 2, 453, 228}, { 2, 148, 273},  // 692
  { 2,  94, 332}, { 2, 386, 281}, { 2, 441, 282}, { 2, 104,  76},  // 696
  { 2, 437, 310}, { 2, 486, 241}, { 2,  82,  42}, { 2, 509, 111},  // 700
  { 2, 573, 299}, { 2, 239, 411}, { 2, 329, 336}, { 2, 326, 336},  // 704
  { 2, 512,  68}, { 2, 243, 355}, { 2, 475,  60}, { 2, 264, 343},  // 708
  { 2, 222, 321}, { 2, 162, 364}, { 2, 503, 248}, { 2, 505, 244},  // 712
  { 2, 137, 378}, { 2, 384, 244}, { 2, 493, 385}, { 2, 495, 389},  // 716
  { 2, 375, 355}, { 2, 375, 352}, { 2, 535, 402}, { 2,  72,  86},  // 720
  { 2, 249,  66}, { 2, 157, 316}, { 2, 115, 402}, { 2, 582, 317},  // 724
  { 2, 228, 213}, { 2, 368, 411}, { 2, 371, 409}, { 2, 366, 407},  // 728
  { 2, 286, 194}, { 2, 497, 135}, { 2, 500, 139}, { 2, 488, 377},  // 732
  { 2, 394, 424}, { 2, 436, 295}, { 2, 163, 218}, { 2, 427, 410},  // 736
  {21, 405, 136}, {21, 177,  75}, {21, 331, 338}, {21, 491,  52},  // 740
  {21, 351,  78}, {21, 365,  71}, {21, 198, 149}, {21, 215, 401},  // 744
  {22, 388, 191}, {22, 199, 341}, {22, 522, 142}, {22, 132, 399},  // 748
  {22, 488,  58}, {22, 458, 192}, {22, 481, 339}, {22, 414, 354},  // 752
  {23, 322, 193}, {23, 137, 405}, {23, 147, 347}, {23, 429, 294},  // 756
  {23, 334, 178}, {24, 467, 167}, {24, 554,  72}, {24, 425, 117},  // 760
  {24,  73, 344}, { 8, 386, 436}, {25, 343, 273}, {25, 245, 115},  // 764
  {25, 261, 200}, {25, 108, 233}, {26, 203, 106}, {26, 443, 213},  // 768
  {26, 327, 376}, {26, 317, 247}, {26, 106,  45}, {26, 142, 239},  // 772
  {26, 364,  94}, {26, 514, 401}, {26,  70, 218}, {26, 122, 136},  // 776
  {27, 502, 245}, {27, 548, 109}, {27, 121, 305}, {27,  44, 429},  // 780
  {27, 597,  88}, {27,  91, 236}, {27, 105, 167}, {27, 560, 305},  // 784
  {27, 184, 405}, {27, 493,  51}, {28, 591,  73}, {28, 265, 388},  // 788
  {28,  90, 210}, {28, 532, 326}, {28, 554, 140}, {28, 291, 293},  // 792
  {29, 193, 386}, {29, 148, 149}, {29, 445, 285}, {29, 223, 404},  // 796
  {29, 282, 426}, {29, 259, 183}, {29, 244,  46}, {29, 517, 400},  // 800
  {29, 380, 345}, {29, 503, 110}, {30, 339,  92}, {30, 172, 304},  // 804
  {30, 549, 284}, {30, 566, 438}, {30, 172, 255}, {30, 308, 246},  // 808
  {30, 307, 423}, {30, 272, 348}, {30, 361, 195}, {30, 337, 369},  // 812
  {31, 164, 354}, {31, 446, 371}, {31, 157, 161}, {31, 442, 158},  // 816
  {31, 168, 342}, {31, 589, 401}, {31, 513, 337}, {31, 449, 315},  // 820
  {31, 413, 373}, {31, 116, 328}, {32, 192, 174}, {32,  95,  82},  // 824
  {32, 188, 413}, {32, 543, 244}, {32,  92, 428}, {32, 283, 248},  // 828
  {33, 517, 202}, {33, 362, 422}, {33, 546, 371}, {33, 424, 308},  // 832
  {33, 104, 144}, {33, 371, 105}, {34, 181, 252}, {34,  51, 112},  // 836
  {34, 420, 321}, {34, 351, 156}, {34, 169, 176}, {34,  45, 272},  // 840
  {35, 274, 379}, {35,  61, 256}, {35,  79, 407}, {35, 177, 154},  // 844
  {35, 405, 301}, {35, 434, 157}, {36, 324, 328}, {36, 321, 150},  // 848
  {36, 587, 380}, {36, 578, 261}, {36, 305, 388}, {36, 428,  96},  // 852
  {37, 111, 122}, {37, 394,  58}, {37, 219, 121}, {37, 144, 333},  // 856
  {37, 542, 158}, {37, 500, 258}, {38, 588, 392}, {38, 116, 127},  // 860
  {38, 567, 336}, {38, 538,  44}, {38, 511, 196}, {38, 273, 159},  // 864
  {39, 384, 426}, {39, 357,  61}, {39, 142, 160}, {39,  69, 331},  // 868
  {39, 225, 145}, {39, 375, 253}, {40, 362, 269}, {40, 530, 185},  // 872
  {40, 188, 419}, {40, 127, 381}, {40, 276, 181}, {40, 468, 269},  // 876
  {41, 349, 417}, {41, 207, 230}, {41,  78,  68}, {41, 319, 140},  // 880
  {41, 296, 155}, {41, 559, 438}, {42, 144, 317}, {42, 177, 363},  // 884
  {42, 534, 362}, {42, 318, 274}, {42, 104,  80}, {42, 531, 382},  // 888
  {43, 216, 167}, {43, 119,  94}, {43, 566, 283}, {43, 344, 113},  // 892
  {43, 248, 304}, {43, 201, 177}, {44, 120, 419}, {44, 380, 112},  // 896
  {44, 431, 210}, {44, 124, 113}, {44, 324,  73}, {44,  47, 257},  // 900
  {45,  50, 118}, {45, 452, 327}, {45,  84, 116}, {45, 506, 199},  // 904
  {45, 249, 347}, {45,  44, 162}, {46, 468, 232}, {46, 352, 153},  // 908
  {46, 138,  96}, {46, 439, 106}, {46, 387, 198}, {46, 220, 225},  // 912
  {66, 208, 376}, {66, 330, 318}, {66, 222, 353}, {66, 476,  88},  // 916
  {66, 406, 336}, {66, 134, 291}, {66, 217,  74}, {66,  55, 224},  // 920
  {67, 375, 147}, {67, 527, 361}, {67, 569, 168}, {67, 299, 151},  // 924
  {67, 385, 186}, {67,  51, 314}, {67, 330,  62}, {67, 577, 139},  // 928
  {47, 110, 340}, {47, 236, 342}, {47, 191, 424}, {47, 231, 133},  // 932
  {48, 564, 423}, {48, 545,  77}, {48, 294, 397}, {48, 351,  47},  // 936
  { 7, 303, 195}, { 7, 184,  40}, { 7, 213,  43}, { 7, 152, 292},  // 940
  { 7, 160, 326}, { 7, 466, 279}, { 7, 470, 278}, { 7, 148,  50},  // 944
  { 7,  63,  82}, { 7, 325, 276}, { 7, 481, 351}, { 7, 225, 238},  // 948
  { 7, 226, 242}, { 7,  64, 394}, { 7, 458, 154}, { 7, 498, 399},  // 952
  { 7, 497, 398}, { 7, 308, 298}, { 7, 419, 197}, { 7, 196,  67},  // 956
  { 7, 246, 218}, { 7, 224, 291}, { 7, 544, 351}, { 7, 488, 264},  // 960
  { 7, 569, 251}, { 7, 571, 255}, { 7, 197, 268}, { 7, 186, 281},  // 964
  { 7, 550, 160}, { 7, 410, 117}, { 7, 244, 321}, { 7, 429,  77},  // 968
  { 7, 380,  59}, { 7, 599, 330}, { 7,  99, 277}, { 7, 199, 129},  // 972
  { 7, 205,  52}, { 7, 133, 155}, { 7, 353, 175}, { 7, 113, 158},  // 976
  { 7, 401, 230}, { 7, 397, 233}, { 7, 576, 407}, { 7, 259,  50},  // 980
  { 7, 311, 146}, { 7, 472,  44}, { 7, 483, 305}, { 7, 394, 303},  // 984
  { 7,  60,  55}, { 7, 146, 296}, { 7, 181,  91}, { 7, 425, 344},  // 988
  { 7, 215, 177}, { 7, 212, 181}, { 7, 481, 327}, { 7, 150, 373},  // 992
  { 7, 149, 377}, { 7, 522, 211}, { 7, 524, 208}, { 7, 523, 425},  // 996
  { 5,  89, 279}, { 5,  90, 283}, { 5,  54,  49}, { 5, 185, 358},  // 1000
  { 5, 468, 286}, { 5, 471, 286}, { 5, 141, 182}, { 5, 417, 183},  // 1004
  { 5, 161, 125}, { 5, 403,  80}, { 5, 407,  82}, { 5, 247, 373},  // 1008
  { 5,  61, 112}, { 5,  60, 112}, { 5,  59, 109}, { 5,  77,  48},  // 1012
  { 5, 280, 229}, { 5, 207, 124}, { 5,  79, 285}, { 5, 121, 395},  // 1016
  { 5, 263, 154}, { 5, 582, 340}, { 5, 569, 130}, { 5, 198,  94},  // 1020
  { 5, 243, 288}, { 5, 514, 418}, { 5, 189, 290}, { 5, 185, 289},  // 1024
  { 5, 265, 357}, { 5, 108, 273}, { 5, 459, 281}, { 5, 202, 142},  // 1028
  { 5, 419, 341}, { 5, 420, 340}, { 5, 420, 344}, { 5,  59, 186},  // 1032
  { 5, 434,  96}, { 5, 486,  41}, { 5, 196, 408}, { 5, 191, 108},  // 1036
  { 5, 373, 136}, { 5,  57, 348}, { 5,  76, 265}, { 5, 129, 221},  // 1040
  { 5, 533, 426}, { 5, 118, 379},  // 1044
  // 1046-1199: {-1, 0, 0}
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0}, {-1, 0, 0},
  {-1, 0, 0}, {-1, 0, 0},
};

const int16_t EuroStartClubs[NUM_GAME_COUNTRIES][6] = {
  {  59,    1,   23,   51,  106,    2},  // 0
  { 293,  268,  295,  285,  273,  282},  // 1
  { 682,  675,  665,  690,  698,  674},  // 2
  { 363,  356,  348,  328,  352,  405},  // 3
  { 533,  606,  586,  622,  543,  547},  // 4
  {1025, 1045, 1034, 1043, 1037, 1011},  // 5
  { 424,  461,  460,  465,  488,  454},  // 6
  { 943,  948,  944,  946,  945,  958},  // 7
  { 179,  181,  178,  136,  135,  765},  // 8
};

// Per game country: the blocks of countries 0-31 in country order (the game
// country's own block by division, then its clubs outside the league), 255 after.
const int16_t CountryClubList[NUM_GAME_COUNTRIES][WORLD_CLUBS] = {
  {  // game country 0
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     104,   63,    6,   94,   29,  123,   54,   76,   61,  102,  // 10
       9,   35,   34,   17,   64,   89,   60,   66,   30,   82,  // 20
     122,   31,   95,  119,   46,   68,   80,   73,  117,   10,  // 30
      97,  107,   42,  111,   98,   13,  120,   20,   84,   40,  // 40
      88,  105,  115,   53,   67,   85,   43,   78,   49,   28,  // 50
       0,   50,   91,  108,   41,   71,  116,   55,   14,   81,  // 60
      38,    7,  109,   72,   27,   99,  118,   12,   93,  110,  // 70
      21,  121,   79,    8,    5,   22,   44,  113,   56,   96,  // 80
     100,   62,   19,   11,   57,   75,  103,   58,   15,   33,  // 90
      32,   86,   25,   92,   16,    4,   69,   18,   70,  101,  // 100
     112,   36,   37,   87,  114,   48,   83,   39,   74,   77,  // 110
      45,   52,   26,   24,  293,  268,  295,  285,  273,  282,  // 120
     682,  675,  665,  690,  698,  674,  699,  701,  663,  703,  // 130
     363,  356,  348,  328,  352,  405,  351,  375,  372,  412,  // 140
     533,  606,  586,  622,  543,  547,  534,  631,  574,  576,  // 150
    1025, 1045, 1034, 1043, 1037, 1011, 1035, 1036,  424,  461,  // 160
     460,  465,  488,  454,  497,  470,  453,  432,  943,  948,  // 170
     944,  946,  945,  958,  179,  181,  178,  136,  124,  125,  // 180
     126,  127,  190,  191,  192,  193,  200,  201,  202,  203,  // 190
     210,  211,  212,  213,  222,  223,  232,  233,  234,  235,  // 200
     238,  239,  240,  241,  310,  311,  314,  315,  640,  641,  // 210
     642,  643,  650,  651,  654,  655,  740,  741,  748,  749,  // 220
     756,  757,  761,  762,  766,  767,  770,  771,  780,  781,  // 230
     790,  791,  796,  797,  798,  799,  806,  807,  816,  817,  // 240
  },
  {  // game country 1
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  274,  258,  283,  278,  // 10
     251,  294,  261,  297,  270,  307,  267,  277,  256,  271,  // 20
     281,  280,  260,  257,  303,  289,  275,  308,  301,  262,  // 30
     299,  272,  309,  304,  305,  306,  288,  284,  266,  279,  // 40
     264,  296,  265,  263,  259,  276,  300,  298,  682,  675,  // 50
     665,  690,  698,  674,  699,  701,  663,  703,  363,  356,  // 60
     348,  328,  352,  405,  351,  375,  372,  412,  533,  606,  // 70
     586,  622,  543,  547,  534,  631,  574,  576, 1025, 1045,  // 80
    1034, 1043, 1037, 1011, 1035, 1036,  424,  461,  460,  465,  // 90
     488,  454,  497,  470,  453,  432,  943,  948,  944,  946,  // 100
     945,  958,  179,  181,  178,  136,  124,  125,  126,  127,  // 110
     190,  191,  192,  193,  200,  201,  202,  203,  210,  211,  // 120
     212,  213,  222,  223,  232,  233,  234,  235,  238,  239,  // 130
     240,  241,  310,  311,  314,  315,  640,  641,  642,  643,  // 140
     650,  651,  654,  655,  740,  741,  748,  749,  756,  757,  // 150
     761,  762,  766,  767,  770,  771,  780,  781,  790,  791,  // 160
     796,  797,  798,  799,  806,  807,  816,  817,  255,  255,  // 170
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 180
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 190
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 200
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 2
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  666,  709,  722,  702,  // 20
     687,  711,  720,  728,  707,  729,  691,  724,  712,  719,  // 30
     686,  664,  730,  717,  706,  718,  705,  734,  660,  697,  // 40
     680,  670,  685,  735,  662,  732,  681,  689,  716,  736,  // 50
     700,  678,  710,  721,  673,  684,  726,  733,  727,  688,  // 60
     668,  693,  715,  669,  671,  738,  661,  723,  731,  676,  // 70
     683,  692,  672,  667,  704,  694,  725,  714,  696,  708,  // 80
     363,  356,  348,  328,  352,  405,  351,  375,  372,  412,  // 90
     533,  606,  586,  622,  543,  547,  534,  631,  574,  576,  // 100
    1025, 1045, 1034, 1043, 1037, 1011, 1035, 1036,  424,  461,  // 110
     460,  465,  488,  454,  497,  470,  453,  432,  943,  948,  // 120
     944,  946,  945,  958,  179,  181,  178,  136,  124,  125,  // 130
     126,  127,  190,  191,  192,  193,  200,  201,  202,  203,  // 140
     210,  211,  212,  213,  222,  223,  232,  233,  234,  235,  // 150
     238,  239,  240,  241,  310,  311,  314,  315,  640,  641,  // 160
     642,  643,  650,  651,  654,  655,  740,  741,  748,  749,  // 170
     756,  757,  761,  762,  766,  767,  770,  771,  780,  781,  // 180
     790,  791,  796,  797,  798,  799,  806,  807,  816,  817,  // 190
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 200
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 3
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  363,  356,  348,  328,  // 20
     352,  405,  351,  375,  372,  412,  331,  401,  409,  345,  // 30
     381,  327,  368,  353,  330,  343,  322,  329,  357,  346,  // 40
     385,  408,  371,  404,  359,  413,  376,  370,  395,  337,  // 50
     366,  325,  379,  402,  341,  354,  349,  369,  396,  389,  // 60
     361,  360,  344,  386,  414,  373,  387,  380,  400,  399,  // 70
     406,  335,  365,  332,  336,  403,  355,  340,  384,  416,  // 80
     350,  392,  326,  324,  410,  367,  321,  358,  390,  417,  // 90
     397,  378,  419,  388,  393,  342,  407,  383,  374,  339,  // 100
     391,  323,  338,  320,  394,  377,  364,  411,  533,  606,  // 110
     586,  622,  543,  547,  534,  631,  574,  576, 1025, 1045,  // 120
    1034, 1043, 1037, 1011, 1035, 1036,  424,  461,  460,  465,  // 130
     488,  454,  497,  470,  453,  432,  943,  948,  944,  946,  // 140
     945,  958,  179,  181,  178,  136,  124,  125,  126,  127,  // 150
     190,  191,  192,  193,  200,  201,  202,  203,  210,  211,  // 160
     212,  213,  222,  223,  232,  233,  234,  235,  238,  239,  // 170
     240,  241,  310,  311,  314,  315,  640,  641,  642,  643,  // 180
     650,  651,  654,  655,  740,  741,  748,  749,  756,  757,  // 190
     761,  762,  766,  767,  770,  771,  780,  781,  790,  791,  // 200
     796,  797,  798,  799,  806,  807,  816,  817,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 4
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  363,  356,  348,  328,  // 20
     352,  405,  351,  375,  372,  412,  533,  606,  586,  622,  // 30
     543,  547,  534,  631,  574,  576,  559,  625,  568,  540,  // 40
     551,  605,  561,  578,  590,  620,  639,  565,  579,  621,  // 50
     628,  592,  541,  636,  619,  594,  552,  557,  556,  638,  // 60
     577,  545,  580,  595,  550,  630,  532,  611,  573,  575,  // 70
     571,  607,  633,  604,  613,  554,  635,  614,  587,  589,  // 80
     603,  530,  599,  553,  569,  536,  570,  601,  616,  539,  // 90
     566,  583,  585,  600,  602,  582,  544,  609,  591,  555,  // 100
     584,  538,  634,  618,  632,  617,  610,  563,  562,  548,  // 110
     615,  542,  598,  588,  558,  537,  535,  596,  581,  572,  // 120
     627,  629,  612,  593,  560,  597,  623,  549, 1025, 1045,  // 130
    1034, 1043, 1037, 1011, 1035, 1036,  424,  461,  460,  465,  // 140
     488,  454,  497,  470,  453,  432,  943,  948,  944,  946,  // 150
     945,  958,  179,  181,  178,  136,  124,  125,  126,  127,  // 160
     190,  191,  192,  193,  200,  201,  202,  203,  210,  211,  // 170
     212,  213,  222,  223,  232,  233,  234,  235,  238,  239,  // 180
     240,  241,  310,  311,  314,  315,  640,  641,  642,  643,  // 190
     650,  651,  654,  655,  740,  741,  748,  749,  756,  757,  // 200
     761,  762,  766,  767,  770,  771,  780,  781,  790,  791,  // 210
     796,  797,  798,  799,  806,  807,  816,  817,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 5
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  363,  356,  348,  328,  // 20
     352,  405,  351,  375,  372,  412,  533,  606,  586,  622,  // 30
     543,  547,  534,  631,  574,  576, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1035, 1036, 1024, 1005, 1032, 1027, 1029, 1040,  // 50
    1023, 1044, 1030, 1001, 1017, 1019, 1042, 1022, 1000, 1031,  // 60
    1033, 1002, 1016, 1010, 1026, 1003, 1007, 1021, 1006, 1009,  // 70
    1018, 1008,  424,  461,  460,  465,  488,  454,  497,  470,  // 80
     453,  432,  943,  948,  944,  946,  945,  958,  179,  181,  // 90
     178,  136,  124,  125,  126,  127,  190,  191,  192,  193,  // 100
     200,  201,  202,  203,  210,  211,  212,  213,  222,  223,  // 110
     232,  233,  234,  235,  238,  239,  240,  241,  310,  311,  // 120
     314,  315,  640,  641,  642,  643,  650,  651,  654,  655,  // 130
     740,  741,  748,  749,  756,  757,  761,  762,  766,  767,  // 140
     770,  771,  780,  781,  790,  791,  796,  797,  798,  799,  // 150
     806,  807,  816,  817,  255,  255,  255,  255,  255,  255,  // 160
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 170
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 180
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 190
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 200
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 6
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  363,  356,  348,  328,  // 20
     352,  405,  351,  375,  372,  412,  533,  606,  586,  622,  // 30
     543,  547,  534,  631,  574,  576, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1035, 1036,  424,  461,  460,  465,  488,  454,  // 50
     497,  470,  453,  432,  437,  487,  441,  455,  422,  522,  // 60
     478,  501,  479,  483,  445,  521,  515,  426,  435,  491,  // 70
     489,  474,  495,  459,  433,  440,  458,  519,  492,  506,  // 80
     480,  518,  450,  423,  473,  486,  503,  439,  443,  428,  // 90
     430,  451,  475,  429,  508,  507,  523,  490,  421,  462,  // 100
     509,  471,  463,  468,  485,  511,  466,  456,  442,  449,  // 110
     496,  431,  512,  436,  516,  527,  499,  420,  446,  528,  // 120
     517,  472,  481,  469,  524,  500,  494,  505,  476,  502,  // 130
     482,  457,  525,  514,  526,  484,  504,  438,  498,  444,  // 140
     447,  467,  425,  493,  529,  452,  520,  477,  434,  943,  // 150
     948,  944,  946,  945,  958,  179,  181,  178,  136,  124,  // 160
     125,  126,  127,  190,  191,  192,  193,  200,  201,  202,  // 170
     203,  210,  211,  212,  213,  222,  223,  232,  233,  234,  // 180
     235,  238,  239,  240,  241,  310,  311,  314,  315,  640,  // 190
     641,  642,  643,  650,  651,  654,  655,  740,  741,  748,  // 200
     749,  756,  757,  761,  762,  766,  767,  770,  771,  780,  // 210
     781,  790,  791,  796,  797,  798,  799,  806,  807,  816,  // 220
     817,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 7
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  363,  356,  348,  328,  // 20
     352,  405,  351,  375,  372,  412,  533,  606,  586,  622,  // 30
     543,  547,  534,  631,  574,  576, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1035, 1036,  424,  461,  460,  465,  488,  454,  // 50
     497,  470,  453,  432,  943,  948,  944,  946,  945,  958,  // 60
     994,  987,  973,  981,  990,  952,  967,  975,  960,  992,  // 70
     964,  982,  996,  997,  965,  977,  988,  980,  986,  961,  // 80
     972,  999,  950,  974,  953,  993,  998,  995,  966,  949,  // 90
     179,  181,  178,  136,  124,  125,  126,  127,  190,  191,  // 100
     192,  193,  200,  201,  202,  203,  210,  211,  212,  213,  // 110
     222,  223,  232,  233,  234,  235,  238,  239,  240,  241,  // 120
     310,  311,  314,  315,  640,  641,  642,  643,  650,  651,  // 130
     654,  655,  740,  741,  748,  749,  756,  757,  761,  762,  // 140
     766,  767,  770,  771,  780,  781,  790,  791,  796,  797,  // 150
     798,  799,  806,  807,  816,  817,  255,  255,  255,  255,  // 160
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 170
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 180
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 190
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 200
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 8
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  699,  701,  663,  703,  363,  356,  348,  328,  // 20
     352,  405,  351,  375,  372,  412,  533,  606,  586,  622,  // 30
     543,  547,  534,  631,  574,  576, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1035, 1036,  424,  461,  460,  465,  488,  454,  // 50
     497,  470,  453,  432,  943,  948,  944,  946,  945,  958,  // 60
     179,  181,  178,  136,  135,  765,  146,  145,  163,  162,  // 70
     140,  175,  164,  187,  167,  153,  184,  173,  168,  134,  // 80
     157,  150,  147,  139,  180,  174,  152,  143,  185,  182,  // 90
     141,  151,  148,  189,  137,  156,  124,  125,  126,  127,  // 100
     190,  191,  192,  193,  200,  201,  202,  203,  210,  211,  // 110
     212,  213,  222,  223,  232,  233,  234,  235,  238,  239,  // 120
     240,  241,  310,  311,  314,  315,  640,  641,  642,  643,  // 130
     650,  651,  654,  655,  740,  741,  748,  749,  756,  757,  // 140
     761,  762,  766,  767,  770,  771,  780,  781,  790,  791,  // 150
     796,  797,  798,  799,  806,  807,  816,  817,  255,  255,  // 160
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 170
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 180
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 190
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 200
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
};

// Per game country: its clubs in seeding order, the last repeated to the end.
const int16_t CupSeedingTable[NUM_GAME_COUNTRIES][CUP_SEEDING_ENTRIES] = {
  {  // game country 0
      59,    1,   23,   51,  106,    2,   47,    3,   90,   65,  104,   63,    6,   94,   29,  123,
      54,   76,   61,  102,    9,   35,   34,   17,   64,   89,   60,   66,   30,   82,  122,   31,
      95,  119,   46,   68,   80,   73,  117,   10,   97,  107,   42,  111,   98,   13,  120,   20,
      84,   40,   88,  105,  115,   53,   67,   85,   43,   78,   49,   28,    0,   50,   91,  108,
      41,   71,  116,   55,   14,   81,   38,    7,  109,   72,   27,   99,  118,   12,   93,  110,
      21,  121,   79,    8,    5,   22,   44,  113,   56,   96,  100,   62,   19,   11,   57,   75,
     103,   58,   15,   33,   32,   86,   25,   92,   16,    4,   69,   18,   70,  101,  112,   36,
      37,   87,  114,   48,   83,   39,   74,   77,   45,   52,   26,   24,   24,   24,   24,   24,
  },
  {  // game country 1
     293,  268,  295,  285,  273,  282,  274,  258,  283,  278,  251,  294,  261,  297,  270,  307,
     267,  277,  256,  271,  281,  280,  260,  257,  303,  289,  275,  308,  301,  262,  299,  272,
     309,  304,  305,  306,  288,  284,  266,  279,  264,  296,  265,  263,  259,  276,  300,  298,
     298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,
     298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,
     298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,
     298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,
     298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,  298,
  },
  {  // game country 2
     682,  675,  665,  690,  698,  674,  699,  701,  663,  703,  666,  709,  722,  702,  687,  711,
     720,  728,  707,  729,  691,  724,  712,  719,  686,  664,  730,  717,  706,  718,  705,  734,
     660,  697,  680,  670,  685,  735,  662,  732,  681,  689,  716,  736,  700,  678,  710,  721,
     673,  684,  726,  733,  727,  688,  668,  693,  715,  669,  671,  738,  661,  723,  731,  676,
     683,  692,  672,  667,  704,  694,  725,  714,  696,  708,  708,  708,  708,  708,  708,  708,
     708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,
     708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,
     708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,  708,
  },
  {  // game country 3
     363,  356,  348,  328,  352,  405,  351,  375,  372,  412,  331,  401,  409,  345,  381,  327,
     368,  353,  330,  343,  322,  329,  357,  346,  385,  408,  371,  404,  359,  413,  376,  370,
     395,  337,  366,  325,  379,  402,  341,  354,  349,  369,  396,  389,  361,  360,  344,  386,
     414,  373,  387,  380,  400,  399,  406,  335,  365,  332,  336,  403,  355,  340,  384,  416,
     350,  392,  326,  324,  410,  367,  321,  358,  390,  417,  397,  378,  419,  388,  393,  342,
     407,  383,  374,  339,  391,  323,  338,  320,  394,  377,  364,  411,  411,  411,  411,  411,
     411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,
     411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,  411,
  },
  {  // game country 4
     533,  606,  586,  622,  543,  547,  534,  631,  574,  576,  559,  625,  568,  540,  551,  605,
     561,  578,  590,  620,  639,  565,  579,  621,  628,  592,  541,  636,  619,  594,  552,  557,
     556,  638,  577,  545,  580,  595,  550,  630,  532,  611,  573,  575,  571,  607,  633,  604,
     613,  554,  635,  614,  587,  589,  603,  530,  599,  553,  569,  536,  570,  601,  616,  539,
     566,  583,  585,  600,  602,  582,  544,  609,  591,  555,  584,  538,  634,  618,  632,  617,
     610,  563,  562,  548,  615,  542,  598,  588,  558,  537,  535,  596,  581,  572,  627,  629,
     612,  593,  560,  597,  623,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,
     549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,  549,
  },
  {  // game country 5
    1025, 1045, 1034, 1043, 1037, 1011, 1035, 1036, 1024, 1005, 1032, 1027, 1029, 1040, 1023, 1044,
    1030, 1001, 1017, 1019, 1042, 1022, 1000, 1031, 1033, 1002, 1016, 1010, 1026, 1003, 1007, 1021,
    1006, 1009, 1018, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008,
    1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008,
    1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008,
    1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008,
    1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008,
    1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008, 1008,
  },
  {  // game country 6
     424,  461,  460,  465,  488,  454,  497,  470,  453,  432,  437,  487,  441,  455,  422,  522,
     478,  501,  479,  483,  445,  521,  515,  426,  435,  491,  489,  474,  495,  459,  433,  440,
     458,  519,  492,  506,  480,  518,  450,  423,  473,  486,  503,  439,  443,  428,  430,  451,
     475,  429,  508,  507,  523,  490,  421,  462,  509,  471,  463,  468,  485,  511,  466,  456,
     442,  449,  496,  431,  512,  436,  516,  527,  499,  420,  446,  528,  517,  472,  481,  469,
     524,  500,  494,  505,  476,  502,  482,  457,  525,  514,  526,  484,  504,  438,  498,  444,
     447,  467,  425,  493,  529,  452,  520,  477,  434,  434,  434,  434,  434,  434,  434,  434,
     434,  434,  434,  434,  434,  434,  434,  434,  434,  434,  434,  434,  434,  434,  434,  434,
  },
  {  // game country 7
     943,  948,  944,  946,  945,  958,  994,  987,  973,  981,  990,  952,  967,  975,  960,  992,
     964,  982,  996,  997,  965,  977,  988,  980,  986,  961,  972,  999,  950,  974,  953,  993,
     998,  995,  966,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,
     949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,
     949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,
     949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,
     949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,
     949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,  949,
  },
  {  // game country 8
     179,  181,  178,  136,  135,  765,  146,  145,  163,  162,  140,  175,  164,  187,  167,  153,
     184,  173,  168,  134,  157,  150,  147,  139,  180,  174,  152,  143,  185,  182,  141,  151,
     148,  189,  137,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
  },
};
// clang-format on
