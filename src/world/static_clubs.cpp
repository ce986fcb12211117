// The world's clubs: the names by database number, their country and the
// position of their town on the country map.
#include "world/static_clubs.h"

// clang-format off
const char* const ClubNameTable[NUM_DB_CLUBS] = {
  "Dorringcross Borough",  // 0
  "Nuthatchbridge Rovers",  // 1
  "Thrapplewell Rovers",  // 2
  "Thrapplewell City",  // 3
  "Blenkcaster Wanderers",  // 4
  "Ormerpool Harriers",  // 5
  "Marrowton Athletic",  // 6
  "Marrowton Corinthians",  // 7
  "Quarrelcross Albion",  // 8
  "Sallowhaven Borough",  // 9
  "Nettercross County",  // 10
  "Lanningcross Wanderers",  // 11
  "Rushelhaven County",  // 12
  "Rushelhaven Corinthians",  // 13
  "Wobbetstead United",  // 14
  "Brinkleton Rovers",  // 15
  "Lanningfield Corinthians",  // 16
  "Wendleford Albion",  // 17
  "Dunmercombe Wanderers",  // 18
  "Scropecombe Harriers",  // 19
  "Quarrelhurst Corinthians",  // 20
  "Pumblecaster Borough",  // 21
  "Wexleystow Town",  // 22
  "Lanningwick Borough",  // 23
  "Ravelwell Corinthians",  // 24
  "Ravelwell Wanderers",  // 25
  "Ravelwell Harriers",  // 26
  "Marrowthorpe Albion",  // 27
  "Blenkstow Borough",  // 28
  "Tucklehurst City",  // 29
  "Dorringfield Wanderers",  // 30
  "Sallowcombe Borough",  // 31
  "Caddelford Harriers",  // 32
  "Fiddickbury Athletic",  // 33
  "Wexleyworth Rovers",  // 34
  "Gannickton County",  // 35
  "Wobbetstow Swifts",  // 36
  "Fallowcombe Swifts",  // 37
  "Ravelcross Town",  // 38
  "Rushelstead Albion",  // 39
  "Dorringhurst Athletic",  // 40
  "Mardlecombe Corinthians",  // 41
  "Hobbleham Wanderers",  // 42
  "Hobbleham Harriers",  // 43
  "Brinkleford Town",  // 44
  "Caddelstow Swifts",  // 45
  "Pottledale City",  // 46
  "Ravelhaven Swifts",  // 47
  "Kestlecaster Wanderers",  // 48
  "Blenkthorpe Wanderers",  // 49
  "Blenkthorpe United",  // 50
  "Coppelcombe Town",  // 51
  "Thrappledale Borough",  // 52
  "Dorringbury City",  // 53
  "Dorringwell Swifts",  // 54
  "Thrapplecross Rovers",  // 55
  "Wobbetmouth Albion",  // 56
  "Fallowminster Athletic",  // 57
  "Coppelcaster Athletic",  // 58
  "Dorringley City",  // 59
  "Mottlestead Corinthians",  // 60
  "Gannickworth Albion",  // 61
  "Gannickworth United",  // 62
  "Coppelham Rovers",  // 63
  "Wobbetley Swifts",  // 64
  "Pottlecaster Swifts",  // 65
  "Amblingbridge Borough",  // 66
  "Dimblefield Harriers",  // 67
  "Skelbyley Albion",  // 68
  "Skelbyley County",  // 69
  "Skelbyley Corinthians",  // 70
  "Fallowhaven City",  // 71
  "Fallowhaven Wanderers",  // 72
  "Fallowhaven Athletic",  // 73
  "Mottleminster Harriers",  // 74
  "Skelbyhurst City",  // 75
  "Skelbyhurst Wanderers",  // 76
  "Caddeldale Swifts",  // 77
  "Nuthatchwick Harriers",  // 78
  "Fiddickfield United",  // 79
  "Fiddickfield Swifts",  // 80
  "Fallowstow Swifts",  // 81
  "Lunderborough Borough",  // 82
  "Grindlebridge Borough",  // 83
  "Skelbyworth Wanderers",  // 84
  "Kestledale Harriers",  // 85
  "Kestledale County",  // 86
  "Rushelstow United",  // 87
  "Dunmercaster Rovers",  // 88
  "Orlingbridge Town",  // 89
  "Quarrelminster Athletic",  // 90
  "Quarrelminster Albion",  // 91
  "Orlingham Corinthians",  // 92
  "Pumblemore County",  // 93
  "Sprattlecross Harriers",  // 94
  "Wobbetford Harriers",  // 95
  "Dunmermouth Wanderers",  // 96
  "Wexleydale Swifts",  // 97
  "Caddelton County",  // 98
  "Caddelton Corinthians",  // 99
  "Caddelton Town",  // 100
  "Dimblestead City",  // 101
  "Dimblestead Borough",  // 102
  "Wexleymore Borough",  // 103
  "Wexleymore Harriers",  // 104
  "Fallowcaster Swifts",  // 105
  "Thrapplestead City",  // 106
  "Thrapplestead Borough",  // 107
  "Marrowstead County",  // 108
  "Wexleycaster Corinthians",  // 109
  "Lanningstead Corinthians",  // 110
  "Wendlebridge Rovers",  // 111
  "Marrowfield Town",  // 112
  "Coppelfield United",  // 113
  "Coppelfield Swifts",  // 114
  "Fiddickborough Town",  // 115
  "Wexleyfield Harriers",  // 116
  "Skelbystow Athletic",  // 117
  "Skelbydale Rovers",  // 118
  "Skelbydale County",  // 119
  "Wexleywell Albion",  // 120
  "Coppelstow Rovers",  // 121
  "Netterhurst Rovers",  // 122
  "Orlingstow Wanderers",  // 123
  "Wobbetpool Athletic",  // 124
  "Coppelpool City",  // 125
  "Gorringbridge Town",  // 126
  "Blenkminster Athletic",  // 127
  "Gorringdale Nomads",  // 128
  "Wobbetdale City",  // 129
  "Nuthatchthorpe Town",  // 130
  "Trundleworth City",  // 131
  "Lanningmore Nomads",  // 132
  "Sallowstead Town",  // 133
  "KFC Wijnereren",  // 134
  "Sporting Strophem",  // 135
  "SK Vrankeren",  // 136
  "RFC Vrankmere",  // 137
  "SK Brembeke",  // 138
  "KSV Wuusthout",  // 139
  "KSV Wuustbeke",  // 140
  "Racing Ranselrode",  // 141
  "Racing Brembos",  // 142
  "RFC Ranselbeke",  // 143
  "KV Vrankstraat",  // 144
  "RFC Ranselvelde",  // 145
  "KFC Gheerlinde",  // 146
  "SK Stropgem",  // 147
  "KSV Stropgem",  // 148
  "RFC Kwaadegem",  // 149
  "Royal Kwaadegem",  // 150
  "KSV Dorneren",  // 151
  "SK Hoevmere",  // 152
  "KSV Stropaken",  // 153
  "KFC Meulzele",  // 154
  "SK Wuustmere",  // 155
  "KFC Sint-Aalhout",  // 156
  "KFC Bremlaar",  // 157
  "Racing Bremlaar",  // 158
  "RFC Bremlaar",  // 159
  "Royal Tielbroek",  // 160
  "Racing Kwaadbos",  // 161
  "Sporting Kwaadbos",  // 162
  "KSV Ranselzele",  // 163
  "Racing Vrankegem",  // 164
  "Racing Sint-Aaldorp",  // 165
  "KFC Peltermere",  // 166
  "Racing Peltermere",  // 167
  "Racing Kapelstraat",  // 168
  "Royal Kwaadlinde",  // 169
  "RFC Meulkerke",  // 170
  "Royal Kapelhout",  // 171
  "KSV Oosthem",  // 172
  "Racing Bremhout",  // 173
  "RFC Dornbos",  // 174
  "Sporting Pelterzele",  // 175
  "KSV Tielhem",  // 176
  "Sporting Sint-Aalkerke",  // 177
  "Racing Meulbeke",  // 178
  "KV Wijneraken",  // 179
  "KV Hoevkerke",  // 180
  "RFC Dornmere",  // 181
  "SK Hoevaken",  // 182
  "RFC Kapelzele",  // 183
  "RFC Vleerbeke",  // 184
  "KSV Vleerbeke",  // 185
  "RFC Kapeldorp",  // 186
  "RFC Peltereren",  // 187
  "Royal Stropegem",  // 188
  "KV Meuldorp",  // 189
  "Coppelcross Celtic",  // 190
  "Mottlehaven Rovers",  // 191
  "Gorringmouth Harps",  // 192
  "Netterstead Harps",  // 193
  "Amblingham Rovers",  // 194
  "Mottlepool Harps",  // 195
  "Coppelmouth Athletic",  // 196
  "Caddelpool Athletic",  // 197
  "Fiddickworth Rovers",  // 198
  "Ivelstow Rovers",  // 199
  "Finishlie Harps",  // 200
  "Craigcorran Rovers",  // 201
  "Invercorran Celtic",  // 202
  "Duntarvie Harps",  // 203
  "Aberlochy Rovers",  // 204
  "Auchtarvie Harps",  // 205
  "Kindallie Harps",  // 206
  "Dunmoyne Rovers",  // 207
  "Lochanobie Harps",  // 208
  "Strathleckie Rovers",  // 209
  "SV Pfefferstadt",  // 210
  "1. FC Quarnkirchen",  // 211
  "TSV Schnatterheim",  // 212
  "VfB Krummelhorst",  // 213
  "TSV Quarnheim",  // 214
  "SV Haseltal",  // 215
  "VfB Wirschfeld",  // 216
  "SpVgg Ubbelrode",  // 217
  "SpVgg Quarnhausen",  // 218
  "Eintracht Pfefferstedt",  // 219
  "TSV Fuchtelrode",  // 220
  "SV Murrenfeld",  // 221
  "Fortuna Quarnbach",  // 222
  "TSV Murrenhausen",  // 223
  "Borussia Krummelwangen",  // 224
  "Fortuna Teckelbach",  // 225
  "Fortuna Pfefferwangen",  // 226
  "TSV Pfefferbach",  // 227
  "TSV Kellmstadt",  // 228
  "Eintracht Plauderkirchen",  // 229
  "SV Drosselkirchen",  // 230
  "Borussia Drosselrode",  // 231
  "Olympique Escotans",  // 232
  "FC Morlanceux",  // 233
  "AS Chardiny",  // 234
  "AJ Rouvelette",  // 235
  "US Gorvalette",  // 236
  "FC Marqueleux",  // 237
  "Louklimni FC",  // 238
  "Asteras Pipethea",  // 239
  "Kouknisi FC",  // 240
  "Koukvouni FC",  // 241
  "Asteras Bambakpolis",  // 242
  "Skoulmelo FC",  // 243
  "Loukpolis FC",  // 244
  "Athletic Melispyrgos",  // 245
  "Sfoungvouni FC",  // 246
  "Athletic Loukdafni",  // 247
  "Loukthea FC",  // 248
  "Pipepyrgos FC",  // 249
  "Fincorran FC",  // 250
  "Carnbrannoch FC",  // 251
  "Lochanachan Athletic",  // 252
  "Carncorran Rovers",  // 253
  "Kilfernan Athletic",  // 254
  "Ardmoyne Victoria",  // 255
  "Ardlorn Rovers",  // 256
  "Lochanlochy Athletic",  // 257
  "Tortulloch Athletic",  // 258
  "Finbrannoch Star",  // 259
  "Craigskerry Athletic",  // 260
  "Invermallen Thistle",  // 261
  "Invermallen FC",  // 262
  "Invermallen Star",  // 263
  "Auchtulloch Athletic",  // 264
  "Balfernan Academicals",  // 265
  "Balfernan Victoria",  // 266
  "Lochantarvie Star",  // 267
  "Carnskerry Thistle",  // 268
  "Carnskerry Athletic",  // 269
  "Abertarvie Star",  // 270
  "Fingarrie Star",  // 271
  "Balmallen Rovers",  // 272
  "Drumbrannoch Thistle",  // 273
  "Tormoyne Caledonian",  // 274
  "Strathmoyne Thistle",  // 275
  "Torlorn Rovers",  // 276
  "Aberobie FC",  // 277
  "Balmoyne Rovers",  // 278
  "Ardcorran Athletic",  // 279
  "Carnlochy Academicals",  // 280
  "Drumfernan FC",  // 281
  "Balbrannoch Thistle",  // 282
  "Strathlorn Star",  // 283
  "Strathmallen Academicals",  // 284
  "Finleckie Caledonian",  // 285
  "Bramoyne Academicals",  // 286
  "Inverskerry Victoria",  // 287
  "Craigriggan Caledonian",  // 288
  "Lochanriggan Caledonian",  // 289
  "Drumtarvie FC",  // 290
  "Inverachan Athletic",  // 291
  "Aberskerry Caledonian",  // 292
  "Kinskerry Victoria",  // 293
  "Kinskerry Academicals",  // 294
  "Kinskerry Thistle",  // 295
  "Invermoyne Victoria",  // 296
  "Glenmallen Victoria",  // 297
  "Torishlie Victoria",  // 298
  "Torishlie FC",  // 299
  "Kinmallen Athletic",  // 300
  "Ardlochy Academicals",  // 301
  "Ardachan Rovers",  // 302
  "Ardachan Athletic",  // 303
  "Ardachan Academicals",  // 304
  "Lochancorran Star",  // 305
  "Lochancorran Victoria",  // 306
  "Lochancorran Athletic",  // 307
  "Drumlorn Caledonian",  // 308
  "Strathbrannoch FC",  // 309
  "Athletic Rivellizza",  // 310
  "Athletic Brennizza",  // 311
  "Carvialdo FC",  // 312
  "Asteras Dossarossa",  // 313
  "Skoulchori FC",  // 314
  "Asteras Gatoupolis",  // 315
  "Asteras Melisdafni",  // 316
  "Asteras Skoulnisi",  // 317
  "Panathletic Bambakdafni",  // 318
  "Asteras Tzitzchori",  // 319
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
  "AJ Tourmely",  // 420
  "Olympique Orbecville",  // 421
  "AJ Ambrelieres",  // 422
  "Racing Fressinange",  // 423
  "Olympique Chardinange",  // 424
  "FC Saint-Aubrin",  // 425
  "SC Saint-Aubrin",  // 426
  "Olympique Saint-Aubrin",  // 427
  "Stade Orbecouse",  // 428
  "US Morlancans",  // 429
  "Stade Morlancans",  // 430
  "AJ Cordelouse",  // 431
  "Stade Sauvetcourt",  // 432
  "FC Cordeleux",  // 433
  "FC Sauveteux",  // 434
  "FC Brasselouse",  // 435
  "Olympique Brasselouse",  // 436
  "Olympique Marquelac",  // 437
  "Racing Morlancmont",  // 438
  "FC Marquelville",  // 439
  "Olympique Tourmelel",  // 440
  "AJ Quissacieres",  // 441
  "AS Quissacieres",  // 442
  "AS Quissacange",  // 443
  "FC Morlanclieu",  // 444
  "AJ Chardinaine",  // 445
  "Olympique Marquely",  // 446
  "Stade Rouvelange",  // 447
  "AJ Rouvelange",  // 448
  "Stade Pradelac",  // 449
  "AJ Morlancy",  // 450
  "US Lussardlieu",  // 451
  "Racing Escotange",  // 452
  "AJ Quissacot",  // 453
  "FC Quissacot",  // 454
  "FC Tourmelouse",  // 455
  "US Tourmelouse",  // 456
  "Racing Tourmelaine",  // 457
  "US Tourmelaine",  // 458
  "SC Tourmelaine",  // 459
  "FC Sauvetville",  // 460
  "AS Pradelel",  // 461
  "AJ Vaubrunbourg",  // 462
  "Racing Quissacignac",  // 463
  "FC Quissacel",  // 464
  "AS Escotlieu",  // 465
  "Stade Morlancaine",  // 466
  "Racing Orbecot",  // 467
  "AJ Gorvalignac",  // 468
  "SC Chardineux",  // 469
  "AJ Chardineux",  // 470
  "SC Cordelot",  // 471
  "Olympique Escotmont",  // 472
  "Olympique Brasselel",  // 473
  "Racing Brasselac",  // 474
  "US Brasselignac",  // 475
  "FC Rouvelbourg",  // 476
  "Racing Vaubruneil",  // 477
  "AJ Escotac",  // 478
  "AS Vaubruny",  // 479
  "AJ Orbeclieu",  // 480
  "Olympique Fressinot",  // 481
  "AS Vaubrunieres",  // 482
  "Olympique Pradelouse",  // 483
  "AS Lussardville",  // 484
  "Racing Quissaceux",  // 485
  "AS Quissaceux",  // 486
  "FC Escotot",  // 487
  "SC Chardinac",  // 488
  "SC Ambrelans",  // 489
  "Olympique Vaubrunmont",  // 490
  "Racing Vaubrunmont",  // 491
  "AS Rouvelel",  // 492
  "Olympique Pradelot",  // 493
  "US Fressinlieu",  // 494
  "AS Brasselieres",  // 495
  "SC Gorvaleux",  // 496
  "AJ Sauvetaine",  // 497
  "US Sauvetaine",  // 498
  "FC Brasselmont",  // 499
  "Racing Brasselmont",  // 500
  "SC Brasselmont",  // 501
  "AS Escoteux",  // 502
  "US Fressinel",  // 503
  "AS Vaubrunette",  // 504
  "FC Vaubrunouse",  // 505
  "AJ Ambrelville",  // 506
  "AJ Ambrelmont",  // 507
  "Stade Quissaceil",  // 508
  "Olympique Quissacette",  // 509
  "Stade Marquelouse",  // 510
  "Racing Sauvety",  // 511
  "FC Sauvety",  // 512
  "SC Sauvetange",  // 513
  "Stade Sauvetac",  // 514
  "Racing Sauvetac",  // 515
  "FC Vaubrunans",  // 516
  "US Morlancville",  // 517
  "Racing Escotouse",  // 518
  "AS Escotouse",  // 519
  "Olympique Rouveleux",  // 520
  "SC Cordelaine",  // 521
  "Stade Cordelaine",  // 522
  "AS Ambrelignac",  // 523
  "SC Marqueleil",  // 524
  "Stade Cordelette",  // 525
  "Olympique Cordelette",  // 526
  "SC Vaubrunel",  // 527
  "SC Cordelignac",  // 528
  "AS Orbecmont",  // 529
  "CE Candiliego",  // 530
  "Deportivo Vencejera",  // 531
  "CD Hornazueros",  // 532
  "Real Hornazueros",  // 533
  "SD Rabadanino",  // 534
  "CE Doradilla",  // 535
  "CF Sardinueros",  // 536
  "CD Mandriloso",  // 537
  "UD Vencejejo",  // 538
  "CD Pimientino",  // 539
  "CF Hornazete",  // 540
  "Deportivo Vencejal",  // 541
  "Deportivo Candilera",  // 542
  "SD Albornejo",  // 543
  "SD Doradueros",  // 544
  "Racing Gorrionares",  // 545
  "Real Rabadanona",  // 546
  "SD Rabadanona",  // 547
  "Deportivo Rabadanona",  // 548
  "Racing Escarabillo",  // 549
  "SD Escarabiego",  // 550
  "Deportivo Urraquilla",  // 551
  "CF Tortugejo",  // 552
  "UD Candililla",  // 553
  "CD Rabadanal",  // 554
  "Real Doradera",  // 555
  "CD Mandrilanca",  // 556
  "CF Mandrilanca",  // 557
  "SD Fresquillares",  // 558
  "UD Fresquillera",  // 559
  "CF Tortugada",  // 560
  "CE Urraquanca",  // 561
  "Deportivo Pimientada",  // 562
  "Racing Gorrionilla",  // 563
  "CE Gorrionilla",  // 564
  "SD Mandrilueros",  // 565
  "Real Albornona",  // 566
  "UD Gorrionejo",  // 567
  "SD Mandrilura",  // 568
  "UD Lechuzilla",  // 569
  "Deportivo Berrugena",  // 570
  "CD Zarzamuela",  // 571
  "UD Berrugino",  // 572
  "CE Doradete",  // 573
  "CF Candiluela",  // 574
  "CE Tortugena",  // 575
  "Deportivo Doradino",  // 576
  "CE Sardinilla",  // 577
  "CE Escarabura",  // 578
  "Deportivo Escarabura",  // 579
  "UD Urraquoso",  // 580
  "Atletico Escarabuela",  // 581
  "Deportivo Fresquillona",  // 582
  "Atletico Fresquillona",  // 583
  "SD Tortugal",  // 584
  "SD Vencejiego",  // 585
  "Deportivo Vencejiego",  // 586
  "UD Escarabino",  // 587
  "CD Albornilla",  // 588
  "SD Escarabena",  // 589
  "Deportivo Berrugura",  // 590
  "Atletico Berrugejo",  // 591
  "SD Mandriliego",  // 592
  "Racing Mandriliego",  // 593
  "Atletico Lechuzura",  // 594
  "CE Zarzamona",  // 595
  "Real Albornena",  // 596
  "CE Albornueros",  // 597
  "SD Vencejada",  // 598
  "Racing Pimientueros",  // 599
  "SD Sardinoso",  // 600
  "CF Fresquilledo",  // 601
  "CF Fresquillada",  // 602
  "Atletico Fresquillada",  // 603
  "UD Hornazera",  // 604
  "Racing Hornazera",  // 605
  "SD Rabadananca",  // 606
  "Racing Nubladanca",  // 607
  "Real Nubladanca",  // 608
  "Deportivo Zarzamino",  // 609
  "CE Candilueros",  // 610
  "Real Hornazoso",  // 611
  "UD Mandrilino",  // 612
  "CF Hornazejo",  // 613
  "Deportivo Hornazares",  // 614
  "CF Fresquillejo",  // 615
  "CE Fresquillejo",  // 616
  "Real Candilejo",  // 617
  "UD Sardinanca",  // 618
  "CD Gorrional",  // 619
  "Racing Rabadanejo",  // 620
  "Real Sardinino",  // 621
  "CD Lechuzillo",  // 622
  "CE Gorrionona",  // 623
  "Deportivo Vencejena",  // 624
  "SD Vencejena",  // 625
  "Deportivo Doradillo",  // 626
  "CE Pimientete",  // 627
  "CF Urraquona",  // 628
  "CF Gorrionueros",  // 629
  "Racing Pimientilla",  // 630
  "Atletico Nubladedo",  // 631
  "Deportivo Nubladedo",  // 632
  "Real Pimientura",  // 633
  "UD Pimiental",  // 634
  "CF Tortugilla",  // 635
  "UD Doradona",  // 636
  "Real Nubladena",  // 637
  "Real Candilena",  // 638
  "Deportivo Doradejo",  // 639
  "Balikova Genclik",  // 640
  "Leylekyurt Genclik",  // 641
  "Baykuspinar Belediye",  // 642
  "Karincaburun Belediye",  // 643
  "Tavsanburun Belediye",  // 644
  "Kaplumtepe Belediye",  // 645
  "Yunuskoy Genclik",  // 646
  "Leylekdere Belediye",  // 647
  "Kaplumsu Genclik",  // 648
  "Kirpipinar Belediye",  // 649
  "Slavia Pelynica",  // 650
  "Dinamo Zhulnik",  // 651
  "Slavia Vrapany",  // 652
  "Dinamo Plyusheni",  // 653
  "Ravnberg FF",  // 654
  "IF Gjokoy",  // 655
  "FK Trollang",  // 656
  "FK Ulvholm",  // 657
  "Ramnfjord IK",  // 658
  "IF Ramnheim",  // 659
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
  "IL Kraakoy",  // 740
  "FK Rypelund",  // 741
  "Tangby BK",  // 742
  "Snusoy IK",  // 743
  "IF Trolldal",  // 744
  "FK Mjodnes",  // 745
  "FK Lynglid",  // 746
  "FK Ravnang",  // 747
  "Lemenberg FF",  // 748
  "IL Gjokvik",  // 749
  "IL Kraakborg",  // 750
  "Gjoknes FF",  // 751
  "IF Skarvheim",  // 752
  "IF Moseoy",  // 753
  "Lyngnes IK",  // 754
  "Tangoy FF",  // 755
  "Mosevik BK",  // 756
  "Elgvik FF",  // 757
  "FK Tyttvik",  // 758
  "Snusberg BK",  // 759
  "Rypevik FF",  // 760
  "Ravnby FF",  // 761
  "FK Moseheim",  // 762
  "Trollnes IK",  // 763
  "Ramnang FF",  // 764
  "Sporting Kapelhem",  // 765
  "Ulvborg BK",  // 766
  "Gjokberg IK",  // 767
  "IL Tyttby",  // 768
  "IL Tangvaag",  // 769
  "Spartak Plyushnik",  // 770
  "Torpedo Zhulary",  // 771
  "Dinamo Shmelica",  // 772
  "Dinamo Drozdin",  // 773
  "Slavia Shmelovec",  // 774
  "Torpedo Zhulansk",  // 775
  "FK Krozograd",  // 776
  "Dinamo Zvonovka",  // 777
  "Metalurg Plyushovo",  // 778
  "Zeljeznicar Treskary",  // 779
  "Dinamo Shmeleni",  // 780
  "Torpedo Vrabary",  // 781
  "Spartak Pelynin",  // 782
  "Dinamo Shmelice",  // 783
  "Metalurg Gromovo",  // 784
  "FK Krozany",  // 785
  "Dinamo Zhulovka",  // 786
  "Slavia Mlokograd",  // 787
  "Dinamo Gromeni",  // 788
  "Dinamo Kovylina",  // 789
  "FK Kovylovec",  // 790
  "Dinamo Vrabica",  // 791
  "Lokomotiv Zhulava",  // 792
  "Metalurg Drozdograd",  // 793
  "Metalurg Zhulice",  // 794
  "Slavia Zvonina",  // 795
  "FK Strizheni",  // 796
  "Torpedo Vrapograd",  // 797
  "Lokomotiv Drozdansk",  // 798
  "Metalurg Pelyneni",  // 799
  "Spartak Brylin",  // 800
  "Zeljeznicar Drozdgrad",  // 801
  "Dinamo Treskin",  // 802
  "Metalurg Treskany",  // 803
  "Torpedo Shchegava",  // 804
  "Spartak Hrastograd",  // 805
  "Metalurg Vrabnik",  // 806
  "Spartak Drozdice",  // 807
  "Torpedo Kvetovka",  // 808
  "Dinamo Treskica",  // 809
  "Torpedo Vrapovo",  // 810
  "Zeljeznicar Hrastica",  // 811
  "Lokomotiv Vrabovo",  // 812
  "Spartak Drozdovo",  // 813
  "Spartak Kvetary",  // 814
  "Dinamo Zvonin",  // 815
  "Dinamo Plyushov",  // 816
  "FK Mlokgrad",  // 817
  "Slavia Pelynets",  // 818
  "Zeljeznicar Pelynov",  // 819
  "Dinamo Brylnik",  // 820
  "Dinamo Vrapnik",  // 821
  "Zeljeznicar Shchegansk",  // 822
  "Spartak Krozets",  // 823
  "Torpedo Drozdovka",  // 824
  "Lokomotiv Vrabeni",  // 825
  "Lokomotiv Kovylovka",  // 826
  "Lokomotiv Brylary",  // 827
  "FK Mloknik",  // 828
  "Dinamo Strizhgrad",  // 829
  "Spartak Kvetgrad",  // 830
  "Spartak Mlokets",  // 831
  "Metalurg Plyushovka",  // 832
  "Torpedo Shchegograd",  // 833
  "Slavia Kvetograd",  // 834
  "FK Vrapeni",  // 835
  "Spartak Hrastets",  // 836
  "Spartak Hrastice",  // 837
  "Zeljeznicar Zvoneni",  // 838
  "Slavia Vrabovka",  // 839
  "Dinamo Zvonansk",  // 840
  "Torpedo Zvonary",  // 841
  "Slavia Zvonava",  // 842
  "Metalurg Plyushany",  // 843
  "FK Hrastovo",  // 844
  "Metalurg Kovylany",  // 845
  "FK Krozary",  // 846
  "Spartak Plyushica",  // 847
  "Slavia Pelynava",  // 848
  "Dinamo Plyushgrad",  // 849
  "FK Kvetovec",  // 850
  "Dinamo Drozdovec",  // 851
  "Slavia Zhuleni",  // 852
  "Metalurg Treskgrad",  // 853
  "Slavia Strizhovec",  // 854
  "Metalurg Gromice",  // 855
  "Metalurg Plyushansk",  // 856
  "Slavia Vrapice",  // 857
  "Slavia Hrastovka",  // 858
  "Metalurg Zhulica",  // 859
  "Lokomotiv Shmelograd",  // 860
  "Dinamo Hrastin",  // 861
  "Metalurg Shmelovka",  // 862
  "FK Shmelets",  // 863
  "Torpedo Kvetice",  // 864
  "Spartak Pelynany",  // 865
  "Torpedo Shchegov",  // 866
  "Dinamo Drozdany",  // 867
  "Spartak Shchegany",  // 868
  "Metalurg Krozgrad",  // 869
  "Lokomotiv Zvonica",  // 870
  "Zeljeznicar Treskograd",  // 871
  "Lokomotiv Kvetets",  // 872
  "Spartak Vrapansk",  // 873
  "FK Krozovka",  // 874
  "Torpedo Kvetov",  // 875
  "Zeljeznicar Drozdnik",  // 876
  "Torpedo Vrabets",  // 877
  "Zeljeznicar Zhulina",  // 878
  "Metalurg Krozansk",  // 879
  "Metalurg Pelyngrad",  // 880
  "Metalurg Mlokeni",  // 881
  "Metalurg Mlokina",  // 882
  "Dinamo Kovylograd",  // 883
  "FK Shchegica",  // 884
  "Metalurg Plyushets",  // 885
  "Spartak Brylovo",  // 886
  "Zeljeznicar Zvonov",  // 887
  "Metalurg Treskovo",  // 888
  "Slavia Drozdov",  // 889
  "Slavia Treskina",  // 890
  "Lokomotiv Treskansk",  // 891
  "FK Kvetany",  // 892
  "FK Hrastnik",  // 893
  "Lokomotiv Kovylgrad",  // 894
  "Lokomotiv Shmelany",  // 895
  "Zeljeznicar Vrapava",  // 896
  "Lokomotiv Mlokica",  // 897
  "Metalurg Vrapina",  // 898
  "Metalurg Brylava",  // 899
  "Metalurg Hrasteni",  // 900
  "Spartak Zhulovo",  // 901
  "Slavia Kovylice",  // 902
  "Lokomotiv Kovyleni",  // 903
  "Spartak Vrabina",  // 904
  "Dinamo Kvetovo",  // 905
  "Dinamo Vrapgrad",  // 906
  "Zeljeznicar Plyushovec",  // 907
  "Torpedo Mlokava",  // 908
  "Lokomotiv Krozin",  // 909
  "FK Hrastgrad",  // 910
  "Metalurg Brylov",  // 911
  "Torpedo Shmelov",  // 912
  "FK Kvetava",  // 913
  "Dinamo Brylograd",  // 914
  "Dinamo Hrastov",  // 915
  "Deportivo Lagarto Alegre",  // 916
  "Deportivo Puma Grande",  // 917
  "Atletico Puma Verde",  // 918
  "Deportivo Vicuna Lindo",  // 919
  "Atletico Ocelote Claro",  // 920
  "Sport Tucan Sereno",  // 921
  "Sport Iguana Bonito",  // 922
  "Club Jaguar Lindo",  // 923
  "Sport Jaguar Florido",  // 924
  "Atletico Ocelote Dorado",  // 925
  "Club Condor Bonito",  // 926
  "Deportivo Vicuna Hermoso",  // 927
  "Club Ocelote Lindo",  // 928
  "Club Tucan Claro",  // 929
  "Club Vicuna Bonito",  // 930
  "Sport Vicuna Verde",  // 931
  "Mbebene United",  // 932
  "Sanulene Stars",  // 933
  "Korayeni Stars",  // 934
  "Olabene Eagles",  // 935
  "Sporting Nkonwale",  // 936
  "Korasori United",  // 937
  "Korafana United",  // 938
  "Olafana Eagles",  // 939
  "Academica Urzelete",  // 940
  "Academica Caracoledo",  // 941
  "Uniao Zimbrana",  // 942
  "GD Navegido",  // 943
  "CD Navegido",  // 944
  "SC Queijosa",  // 945
  "CD Tamborilada",  // 946
  "Uniao Guaraval",  // 947
  "SC Vagalumeira",  // 948
  "GD Cendral",  // 949
  "FC Navegaes",  // 950
  "Uniao Navegaes",  // 951
  "Desportivo Queijaes",  // 952
  "CD Navegosa",  // 953
  "GD Caracolete",  // 954
  "Uniao Cendrais",  // 955
  "Desportivo Vagalumais",  // 956
  "FC Vagalumais",  // 957
  "FC Palancais",  // 958
  "FC Brumal",  // 959
  "GD Zimbrouro",  // 960
  "Atletico Zimbrouro",  // 961
  "FC Rosmarela",  // 962
  "SC Caracolaes",  // 963
  "CD Vagalumete",  // 964
  "Uniao Vagalumosa",  // 965
  "SC Caracolido",  // 966
  "Uniao Tamborilela",  // 967
  "Uniao Urzelouro",  // 968
  "CD Jacaraca",  // 969
  "SC Jacaraca",  // 970
  "CD Escaraveira",  // 971
  "Academica Borbulinho",  // 972
  "FC Zimbraes",  // 973
  "FC Lamprido",  // 974
  "Atletico Brumume",  // 975
  "Desportivo Borbuleira",  // 976
  "CD Navegais",  // 977
  "FC Brumeira",  // 978
  "Uniao Borbulaca",  // 979
  "Uniao Guaravido",  // 980
  "GD Fumegosa",  // 981
  "Atletico Lamproso",  // 982
  "GD Navegelo",  // 983
  "FC Borbulosa",  // 984
  "Academica Vagalumoso",  // 985
  "CD Vagalumoso",  // 986
  "Academica Queijada",  // 987
  "SC Rosmarouro",  // 988
  "Desportivo Palancume",  // 989
  "Atletico Jacarete",  // 990
  "Atletico Lamprinho",  // 991
  "Desportivo Fumegete",  // 992
  "Atletico Queijeira",  // 993
  "GD Guaravinho",  // 994
  "Atletico Guaravelo",  // 995
  "SC Cendredo",  // 996
  "Desportivo Borbulouro",  // 997
  "Uniao Borbulouro",  // 998
  "CD Escaravosa",  // 999
  "VV Plompveen",  // 1000
  "SC Kikkerbroek",  // 1001
  "Sportclub Mosselhoven",  // 1002
  "FC Mosselveen",  // 1003
  "Sportclub Mosselveen",  // 1004
  "VV Kikkerlo",  // 1005
  "Vitesse Snoekstede",  // 1006
  "Quick Zwaluwstede",  // 1007
  "Sportclub Zwaluwstede",  // 1008
  "Eendsluis Boys",  // 1009
  "FC Tulpbroek",  // 1010
  "Tjalkveen Boys",  // 1011
  "Vitesse Snoekveen",  // 1012
  "Snoekveen Boys",  // 1013
  "SC Plompgouw",  // 1014
  "SC Wolkhuizen",  // 1015
  "Vitesse Knorsluis",  // 1016
  "FC Kwartelhorst",  // 1017
  "Kwartelhorst Boys",  // 1018
  "Eendhuizen Boys",  // 1019
  "Quick Plompbroek",  // 1020
  "FC Plompbroek",  // 1021
  "Quick Slurfdam",  // 1022
  "SC Snoekmeer",  // 1023
  "VV Stoepveen",  // 1024
  "FC Tjalkberg",  // 1025
  "SC Spreeuwkamp",  // 1026
  "FC Stoepwoude",  // 1027
  "SC Plompdijk",  // 1028
  "Sportclub Tjalkdam",  // 1029
  "SC Lompsluis",  // 1030
  "Sportclub Grauwberg",  // 1031
  "SC Grauwberg",  // 1032
  "Knorveen Boys",  // 1033
  "Eendwoude Boys",  // 1034
  "VV Vlindermeer",  // 1035
  "SC Mosselhuizen",  // 1036
  "VV Mosselhuizen",  // 1037
  "SC Spreeuwdam",  // 1038
  "FC Spreeuwdam",  // 1039
  "FC Tjalkmeer",  // 1040
  "VV Grauwlo",  // 1041
  "Sportclub Plomphorst",  // 1042
  "Tulpdijk Boys",  // 1043
  "VV Tulpdijk",  // 1044
  "VV Snoekhoven",  // 1045
  // 1046-1199: unused database numbers, no club (null)
};

// { country, map x, map y }: clubs of one town stand a few points apart.
const ClubHome ClubHomeTable[NUM_DB_CLUBS] = {
  { 0, 423, 254}, { 0,  65, 434}, { 0, 236, 157}, { 0, 238, 153},  // 0
  { 0, 487, 168}, { 0, 194, 268}, { 0, 256, 233}, { 0, 254, 229},  // 4
  { 0, 233, 317}, { 0, 123, 186}, { 0, 211, 343}, { 0, 238, 175},  // 8
  { 0, 396, 299}, { 0, 400, 298}, { 0, 365, 208}, { 0, 205, 162},  // 12
  { 0, 473,  75}, { 0, 317, 152}, { 0, 422, 173}, { 0, 283,  64},  // 16
  { 0, 466,  99}, { 0, 585, 309}, { 0, 102, 323}, { 0, 208, 321},  // 20
  { 0, 561, 147}, { 0, 558, 150}, { 0, 557, 143}, { 0, 550, 171},  // 24
  { 0, 232, 379}, { 0, 202, 157}, { 0, 507,  85}, { 0, 421, 303},  // 28
  { 0, 593, 104}, { 0, 418, 253}, { 0, 294, 242}, { 0, 433, 170},  // 32
  { 0, 130, 394}, { 0, 377, 345}, { 0,  98,  91}, { 0, 540, 433},  // 36
  { 0,  40, 212}, { 0, 368, 298}, { 0, 354, 136}, { 0, 354, 137},  // 40
  { 0, 241, 237}, { 0, 119, 331}, { 0, 176, 218}, { 0, 256,  41},  // 44
  { 0, 439, 128}, { 0, 596, 223}, { 0, 598, 220}, { 0, 450, 358},  // 48
  { 0, 422, 155}, { 0, 248, 427}, { 0, 262, 303}, { 0, 132, 399},  // 52
  { 0,  87, 135}, { 0, 134, 265}, { 0, 343, 311}, { 0, 246, 401},  // 56
  { 0,  54, 385}, { 0, 599, 110}, { 0, 599, 106}, { 0, 229, 104},  // 60
  { 0, 587, 344}, { 0,  49, 197}, { 0, 129, 333}, { 0,  62, 107},  // 64
  { 0, 398, 293}, { 0, 397, 294}, { 0, 402, 290}, { 0,  82, 387},  // 68
  { 0,  86, 385}, { 0,  86, 390}, { 0, 105,  82}, { 0, 536, 108},  // 72
  { 0, 534, 109}, { 0, 231, 151}, { 0, 353, 198}, { 0, 238, 103},  // 76
  { 0, 242, 106}, { 0, 305, 212}, { 0, 380, 312}, { 0, 156, 192},  // 80
  { 0, 174, 264}, { 0, 397, 272}, { 0, 396, 274}, { 0, 358, 270},  // 84
  { 0, 570, 172}, { 0, 334,  89}, { 0, 374, 229}, { 0, 376, 233},  // 88
  { 0, 145, 438}, { 0, 157, 254}, { 0, 337, 194}, { 0, 333, 339},  // 92
  { 0, 496, 156}, { 0, 371, 232}, { 0, 430, 387}, { 0, 428, 384},  // 96
  { 0, 430, 391}, { 0, 434, 188}, { 0, 435, 185}, { 0, 450, 247},  // 100
  { 0, 448, 251}, { 0, 507, 338}, { 0, 312, 241}, { 0, 314, 240},  // 104
  { 0, 491, 308}, { 0, 192,  52}, { 0, 399, 116}, { 0, 169, 319},  // 108
  { 0, 359,  44}, { 0, 421, 395}, { 0, 421, 392}, { 0, 222,  51},  // 112
  { 0, 384, 126}, { 0, 248, 282}, { 0, 377, 425}, { 0, 375, 429},  // 116
  { 0, 396, 132}, { 0,  46, 195}, { 0, 363, 177}, { 0, 474, 117},  // 120
  {21,  92, 178}, {21, 378, 324}, {21,  50, 244}, {21, 513,  76},  // 124
  {21, 459, 213}, {21, 342, 129}, {21, 178, 262}, {21, 436, 348},  // 128
  {21, 158, 256}, {21, 455, 167}, { 8, 591, 332}, { 8, 177, 309},  // 132
  { 8, 275,  71}, { 8, 592,  40}, { 8, 279, 270}, { 8,  96, 437},  // 136
  { 8, 488, 221}, { 8, 209, 308}, { 8, 259, 176}, { 8,  83, 416},  // 140
  { 8, 131, 380}, { 8, 522, 334}, { 8,  77, 409}, { 8, 477, 310},  // 144
  { 8, 481, 314}, { 8, 326, 311}, { 8, 329, 310}, { 8, 177, 386},  // 148
  { 8, 447, 404}, { 8, 184, 191}, { 8, 217, 154}, { 8, 540, 150},  // 152
  { 8, 558,  44}, { 8, 423, 221}, { 8, 426, 225}, { 8, 421, 218},  // 156
  { 8,  89, 205}, { 8, 503, 273}, { 8, 506, 273}, { 8, 283, 214},  // 160
  { 8, 433, 303}, { 8,  42, 125}, { 8, 403, 375}, { 8, 405, 378},  // 164
  { 8, 281, 407}, { 8, 543, 360}, { 8, 259, 185}, { 8, 340,  47},  // 168
  { 8, 210, 311}, { 8, 499, 110}, { 8,  45,  50}, { 8, 267, 114},  // 172
  { 8, 387, 137}, { 8,  86, 276}, { 8, 563, 162}, { 8, 426, 274},  // 176
  { 8, 566, 360}, { 8, 426, 271}, { 8, 337, 351}, { 8, 132,  51},  // 180
  { 8, 482, 244}, { 8, 485, 247}, { 8, 259, 131}, { 8, 138, 210},  // 184
  { 8, 288,  46}, { 8, 337,  70}, {13, 344, 395}, {13, 326, 411},  // 188
  {13, 407, 218}, {13, 187, 370}, {13, 504, 183}, {13, 217, 129},  // 192
  {13, 457, 391}, {13, 228,  61}, {13, 582, 217}, {13, 458, 299},  // 196
  {37, 448, 232}, {37, 328, 406}, {37, 366,  73}, {37, 568, 245},  // 200
  {37,  99, 283}, {37,  43,  43}, {37, 305, 186}, {37, 403,  89},  // 204
  {37,  71,  53}, {37, 265, 230}, {22, 185, 430}, {22, 407, 208},  // 208
  {22, 413,  66}, {22, 290,  98}, {22, 499, 197}, {22, 337, 195},  // 212
  {22,  79, 291}, {22, 440, 367}, {22, 153, 288}, {22, 381,  78},  // 216
  {22, 236, 109}, {22, 564, 399}, {10, 180, 256}, {10, 313, 345},  // 220
  {10, 277,  59}, {10, 502, 153}, {10, 505, 176}, {10, 582, 117},  // 224
  {10, 182, 143}, {10, 277, 291}, {10, 506,  94}, {10, 338, 326},  // 228
  {20, 395, 241}, {20, 354, 160}, {20, 246, 194}, {20, 214, 411},  // 232
  {20, 162, 235}, {20, 455, 121}, {12, 166, 135}, {12, 343, 370},  // 236
  {12, 133, 286}, {12, 307, 406}, {12, 140,  89}, {12, 550, 325},  // 240
  {12, 156, 118}, {12, 350, 437}, {12, 305, 224}, {12, 435, 387},  // 244
  {12, 227, 209}, {12,  47, 217}, { 1, 173,  59}, { 1, 347, 118},  // 248
  { 1,  81, 306}, { 1, 471, 406}, { 1, 507, 171}, { 1,  74, 337},  // 252
  { 1, 438, 260}, { 1, 464, 418}, { 1,  58,  99}, { 1, 420,  83},  // 256
  { 1, 423, 399}, { 1, 337, 367}, { 1, 336, 365}, { 1, 333, 365},  // 260
  { 1, 222, 161}, { 1, 140, 331}, { 1, 138, 327}, { 1, 177, 126},  // 264
  { 1, 260, 417}, { 1, 257, 415}, { 1,  68, 168}, { 1, 463,  84},  // 268
  { 1, 559, 373}, { 1, 461, 224}, { 1,  90, 428}, { 1, 564, 292},  // 272
  { 1, 454, 144}, { 1, 561, 426}, { 1, 346, 167}, { 1, 441,  75},  // 276
  { 1, 580, 367}, { 1, 395, 206}, { 1, 389, 118}, { 1, 499, 101},  // 280
  { 1, 324, 138}, { 1, 362, 245}, { 1,  55, 315}, { 1, 218,  98},  // 284
  { 1, 590, 155}, { 1, 277,  89}, { 1,  41, 104}, { 1, 526, 408},  // 288
  { 1, 423, 435}, { 1, 438, 274}, { 1, 440, 277}, { 1, 438, 271},  // 292
  { 1, 487, 400}, { 1, 496, 398}, { 1, 281, 377}, { 1, 279, 376},  // 296
  { 1, 394, 276}, { 1, 597, 168}, { 1, 568, 342}, { 1, 572, 344},  // 300
  { 1, 571, 345}, { 1, 509, 215}, { 1, 510, 219}, { 1, 510, 219},  // 304
  { 1, 428,  44}, { 1, 213, 179}, {16, 585, 255}, {16, 493, 185},  // 308
  {16, 477, 427}, {16, 140, 163}, {17, 261, 292}, {17, 142, 179},  // 312
  {17, 507, 264}, {17, 392, 339}, {17, 261, 311}, {17, 289, 390},  // 316
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
  { 6, 178,  75}, { 6, 258,  79}, { 6, 381, 180}, { 6,  64, 420},  // 420
  { 6, 210, 171}, { 6,  56, 236}, { 6,  55, 237}, { 6,  52, 233},  // 424
  { 6, 321, 222}, { 6, 295, 292}, { 6, 296, 295}, { 6, 304, 306},  // 428
  { 6, 253, 270}, { 6, 188, 149}, { 6, 471, 310}, { 6, 107, 103},  // 432
  { 6, 109, 100}, { 6,  97, 370}, { 6, 289, 102}, { 6, 578, 307},  // 436
  { 6, 215,  70}, { 6, 395,  48}, { 6, 399,  52}, { 6, 101, 245},  // 440
  { 6, 526, 299}, { 6, 477, 397}, { 6, 170, 201}, { 6,  48,  86},  // 444
  { 6,  47,  84}, { 6, 131, 189}, { 6, 263,  57}, { 6, 378, 324},  // 448
  { 6, 552,  47}, { 6, 351, 223}, { 6, 351, 220}, { 6, 482, 257},  // 452
  { 6, 481, 258}, { 6, 598, 264}, { 6, 596, 264}, { 6, 601, 264},  // 456
  { 6, 579, 267}, { 6, 179, 360}, { 6, 599, 163}, { 6, 118, 176},  // 460
  { 6, 431,  93}, { 6, 130, 290}, { 6, 361, 298}, { 6, 137, 153},  // 464
  { 6, 432,  56}, { 6, 166, 163}, { 6, 167, 163}, { 6, 476, 328},  // 468
  { 6, 193, 324}, { 6, 578, 188}, { 6, 224, 133}, { 6, 112, 138},  // 472
  { 6, 402, 325}, { 6,  65, 376}, { 6, 214, 130}, { 6, 202, 320},  // 476
  { 6, 300, 239}, { 6,  65, 220}, { 6, 289, 341}, { 6, 316,  63},  // 480
  { 6, 209, 222}, { 6, 451, 260}, { 6, 454, 262}, { 6, 316, 381},  // 484
  { 6, 148,  50}, { 6, 166, 212}, { 6, 505, 350}, { 6, 502, 351},  // 488
  { 6, 114, 216}, { 6, 474, 221}, { 6, 390, 250}, { 6, 350, 276},  // 492
  { 6, 337, 366}, { 6,  80,  59}, { 6,  84,  58}, { 6, 352, 377},  // 496
  { 6, 356, 378}, { 6, 355, 376}, { 6, 531, 232}, { 6,  42, 191},  // 500
  { 6, 210, 171}, { 6, 108, 152}, { 6, 418, 383}, { 6, 481,  79},  // 504
  { 6, 307,  49}, { 6, 496, 168}, { 6, 244, 164}, { 6, 434, 336},  // 508
  { 6, 438, 335}, { 6, 270, 115}, { 6, 585, 243}, { 6, 584, 241},  // 512
  { 6, 407, 271}, { 6, 505,  69}, { 6, 523, 298}, { 6, 524, 294},  // 516
  { 6, 343, 336}, { 6, 411, 340}, { 6, 408, 340}, { 6, 161, 250},  // 520
  { 6, 199,  71}, { 6, 539, 246}, { 6, 537, 242}, { 6, 307, 419},  // 524
  { 6, 125, 186}, { 6, 391, 137}, { 4, 157, 307}, { 4, 449, 146},  // 528
  { 4, 175, 236}, { 4, 177, 235}, { 4, 448, 346}, { 4, 444,  41},  // 532
  { 4, 569, 380}, { 4, 212, 379}, { 4, 402, 354}, { 4, 208, 274},  // 536
  { 4, 284, 143}, { 4, 192, 429}, { 4, 140,  87}, { 4,  99, 346},  // 540
  { 4, 203, 245}, { 4, 115, 143}, { 4, 139, 439}, { 4, 136, 443},  // 544
  { 4, 143, 436}, { 4, 277, 241}, { 4, 103, 400}, { 4, 343, 236},  // 548
  { 4, 230,  76}, { 4, 280, 286}, { 4, 105, 252}, { 4, 354, 190},  // 552
  { 4, 436, 236}, { 4, 438, 238}, { 4, 523, 136}, { 4, 562, 106},  // 556
  { 4, 509, 280}, { 4, 483, 190}, { 4, 483,  90}, { 4, 212, 185},  // 560
  { 4, 211, 182}, { 4, 485, 366}, { 4, 539, 301}, { 4, 360, 270},  // 564
  { 4, 212, 262}, { 4, 577, 269}, { 4, 215,  57}, { 4, 393, 423},  // 568
  { 4, 576, 293}, { 4, 289, 274}, { 4, 268, 120}, { 4, 249,  42},  // 572
  { 4, 553, 277}, { 4, 399, 331}, { 4, 491, 273}, { 4, 488, 274},  // 576
  { 4, 236, 179}, { 4, 142, 306}, { 4, 281,  86}, { 4, 277,  90},  // 580
  { 4,  47, 358}, { 4, 294, 237}, { 4, 298, 236}, { 4, 172,  93},  // 584
  { 4, 313, 356}, { 4, 486, 104}, { 4, 345, 148}, { 4, 164, 385},  // 588
  { 4, 320, 213}, { 4, 324, 213}, { 4, 157, 379}, { 4, 580,  77},  // 592
  { 4, 546, 105}, { 4, 462, 177}, { 4, 174, 210}, { 4, 120, 173},  // 596
  { 4, 438, 267}, { 4,  61,  42}, { 4, 160, 416}, { 4, 157, 418},  // 600
  { 4, 446, 330}, { 4, 442, 332}, { 4, 516, 292}, { 4, 171, 426},  // 604
  { 4, 175, 430}, { 4, 553, 311}, { 4, 428, 148}, { 4, 320, 197},  // 608
  { 4, 584, 305}, { 4, 235,  87}, { 4, 281, 178}, { 4, 346, 101},  // 612
  { 4, 344,  98}, { 4, 426, 145}, { 4, 278,  70}, { 4, 527,  81},  // 616
  { 4, 149,  93}, { 4, 474,  47}, { 4, 480, 231}, { 4, 266, 323},  // 620
  { 4, 287, 254}, { 4, 285, 256}, { 4, 204, 349}, { 4, 470, 340},  // 624
  { 4, 214,  48}, { 4, 251, 298}, { 4, 289, 311}, { 4, 389, 232},  // 628
  { 4, 388, 233}, { 4, 440, 346}, { 4, 429, 276}, { 4, 165, 179},  // 632
  { 4,  51, 324}, { 4, 250, 423}, { 4, 141, 241}, { 4, 482, 108},  // 636
  {11, 322, 281}, {11, 248, 296}, {11,  63, 349}, {11, 242, 158},  // 640
  {11, 424, 123}, {11, 233,  41}, {11, 199, 397}, {11, 192, 327},  // 644
  {11, 159, 432}, {11, 223, 241}, {19, 557, 434}, {19, 315, 140},  // 648
  {19, 388, 344}, {19,  85,  77}, {14, 154, 350}, {14, 150, 371},  // 652
  {14, 415, 372}, {14, 322,  92}, {14, 106,  68}, {14, 519, 249},  // 656
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
  { 9, 218, 346}, { 9,  90, 118}, { 9, 339, 121}, { 9, 578, 414},  // 740
  { 9, 403, 265}, { 9, 307,  76}, { 9, 297, 434}, { 9, 316, 237},  // 744
  {15, 198, 149}, {15, 215, 401}, {15,  45, 310}, {15, 592, 168},  // 748
  {15, 580, 219}, {15, 132, 399}, {15, 488,  58}, {15, 549, 432},  // 752
  {23, 345, 191}, {23, 213, 163}, {23, 279, 134}, {23, 319, 378},  // 756
  {23, 167, 215}, {24, 205, 431}, {24, 112, 187}, {24, 467, 167},  // 760
  {24, 303, 395}, { 8, 435, 103}, {25, 362, 117}, {25, 483,  55},  // 764
  {25, 446, 126}, {25, 343, 273}, {26, 123, 142}, {26, 261, 200},  // 768
  {26, 427, 217}, {26, 239,  50}, {26, 560, 409}, {26, 506, 100},  // 772
  {26, 581,  95}, {26, 130, 382}, {26, 313, 335}, {26, 120,  55},  // 776
  {27, 257, 229}, {27, 502, 245}, {27, 548, 109}, {27, 511, 243},  // 780
  {27, 196,  42}, {27, 597,  88}, {27, 427,  85}, {27, 398, 406},  // 784
  {27, 571, 374}, {27, 184, 405}, {28, 439, 266}, {28, 331, 433},  // 788
  {28,  82, 320}, {28, 438, 220}, {28, 404, 389}, {28,  61,  41},  // 792
  {29, 240, 160}, {29, 547, 185}, {29, 401, 377}, {29, 437, 169},  // 796
  {29, 316, 131}, {29, 282, 426}, {29, 259, 183}, {29, 244,  46},  // 800
  {29, 517, 400}, {29, 380, 345}, {30, 406, 187}, {30, 117, 373},  // 804
  {30, 274, 152}, {30, 172, 304}, {30, 202,  59}, {30, 215, 354},  // 808
  {30, 298, 335}, {30, 377, 260}, {30, 570, 326}, {30, 452, 432},  // 812
  {31,  50, 127}, {31, 307, 423}, {31, 272, 348}, {31, 361, 195},  // 816
  {31, 337, 369}, {31, 132, 344}, {31, 446, 371}, {31, 157, 161},  // 820
  {31, 442, 158}, {31, 168, 342}, {32, 464, 214}, {32, 513, 337},  // 824
  {32, 449, 315}, {32, 413, 373}, {32, 125, 391}, {32, 591, 157},  // 828
  {33, 565, 212}, {33, 188, 413}, {33, 543, 244}, {33,  92, 428},  // 832
  {33, 283, 248}, {33, 100, 176}, {34, 362, 422}, {34, 546, 371},  // 836
  {34, 424, 308}, {34, 104, 144}, {34, 490, 340}, {34, 181, 252},  // 840
  {35,  51, 112}, {35, 511, 284}, {35, 351, 156}, {35, 169, 176},  // 844
  {35,  96, 231}, {35, 505, 256}, {36, 206, 186}, {36,  79, 407},  // 848
  {36, 455,  50}, {36, 280, 225}, {36, 214, 351}, {36, 462, 396},  // 852
  {18, 508,  50}, {18,  73, 238}, {18, 224, 232}, {18, 569, 373},  // 856
  {18, 553, 421}, {18, 545, 299}, {38, 394,  58}, {38, 219, 121},  // 860
  {38,  69, 274}, {38, 432,  51}, {38, 394, 422}, {38, 338,  59},  // 864
  {39, 454, 354}, {39, 150, 438}, {39, 212, 328}, {39, 139, 396},  // 868
  {39, 352, 387}, {39, 273, 159}, {40, 384, 426}, {40, 357,  61},  // 872
  {40, 142, 160}, {40,  69, 331}, {40, 225, 145}, {40, 375, 253},  // 876
  {41, 362, 269}, {41, 314,  77}, {41, 331, 236}, {41, 400, 199},  // 880
  {41, 499, 288}, {41, 449, 390}, {42, 498, 313}, {42, 442, 388},  // 884
  {42, 363, 287}, {42, 104, 273}, {42, 534, 283}, {42, 378, 168},  // 888
  {43, 153,  40}, {43,  59, 217}, {43, 578, 116}, {43, 570, 409},  // 892
  {43, 534, 362}, {43, 484, 411}, {44, 316,  73}, {44, 216, 167},  // 896
  {44, 119,  94}, {44, 566, 283}, {44, 475, 322}, {44,  78, 137},  // 900
  {45, 206, 128}, {45,  55, 220}, {45, 457, 407}, {45, 431, 210},  // 904
  {45,  92, 312}, {45, 107, 395}, {46, 475, 245}, {46,  46, 361},  // 908
  {46, 304,  92}, {46, 281, 198}, {46, 470, 168}, {46, 264, 324},  // 912
  {66, 153, 160}, {66, 172, 255}, {66, 303, 359}, {66, 356,  74},  // 916
  {66, 411,  75}, {66, 294, 126}, {66, 401, 419}, {66,  68, 121},  // 920
  {67, 595, 431}, {67, 376, 292}, {67, 424, 350}, {67, 281, 433},  // 924
  {67, 519, 395}, {67, 486, 409}, {67, 388,  62}, {67, 442, 387},  // 928
  {47, 111, 328}, {47, 249, 347}, {47, 309,  47}, {47, 360,  95},  // 932
  {48, 434, 215}, {48, 299, 364}, {48, 434, 298}, {48,  94, 229},  // 936
  { 7, 186, 242}, { 7, 560, 312}, { 7, 473, 404}, { 7, 532,  77},  // 940
  { 7, 536,  75}, { 7, 591, 324}, { 7, 184,  40}, { 7, 213,  43},  // 944
  { 7, 152, 292}, { 7, 160, 326}, { 7, 466, 279}, { 7, 470, 278},  // 948
  { 7, 148,  50}, { 7,  63,  82}, { 7, 325, 276}, { 7, 481, 351},  // 952
  { 7, 225, 238}, { 7, 226, 242}, { 7,  64, 394}, { 7, 458, 154},  // 956
  { 7, 498, 399}, { 7, 497, 398}, { 7, 308, 298}, { 7, 419, 197},  // 960
  { 7, 196,  67}, { 7, 246, 218}, { 7, 224, 291}, { 7, 544, 351},  // 964
  { 7, 488, 264}, { 7, 569, 251}, { 7, 571, 255}, { 7, 197, 268},  // 968
  { 7, 186, 281}, { 7, 550, 160}, { 7, 410, 117}, { 7, 244, 321},  // 972
  { 7, 429,  77}, { 7, 380,  59}, { 7, 599, 330}, { 7,  99, 277},  // 976
  { 7, 199, 129}, { 7, 205,  52}, { 7, 133, 155}, { 7, 353, 175},  // 980
  { 7, 113, 158}, { 7, 401, 230}, { 7, 397, 233}, { 7, 576, 407},  // 984
  { 7, 259,  50}, { 7, 311, 146}, { 7, 472,  44}, { 7, 483, 305},  // 988
  { 7, 394, 303}, { 7,  60,  55}, { 7, 146, 296}, { 7, 181,  91},  // 992
  { 7, 425, 344}, { 7, 215, 177}, { 7, 212, 181}, { 7, 481, 327},  // 996
  { 5, 232, 100}, { 5, 411, 332}, { 5, 166, 264}, { 5, 518, 303},  // 1000
  { 5, 519, 307}, { 5,  54,  49}, { 5, 185, 358}, { 5, 468, 286},  // 1004
  { 5, 471, 286}, { 5, 141, 182}, { 5, 417, 183}, { 5, 161, 125},  // 1008
  { 5, 403,  80}, { 5, 407,  82}, { 5,  52, 157}, { 5,  80,  50},  // 1012
  { 5, 325,  89}, { 5, 115, 317}, { 5, 117, 320}, { 5, 294, 327},  // 1016
  { 5, 243, 149}, { 5, 239, 152}, { 5, 108,  80}, { 5, 367, 151},  // 1020
  { 5, 504, 311}, { 5, 569, 130}, { 5, 198,  94}, { 5, 371, 267},  // 1024
  { 5, 420,  61}, { 5, 287, 357}, { 5,  58, 168}, { 5, 356, 364},  // 1028
  { 5, 352, 365}, { 5,  97, 335}, { 5, 302, 420}, { 5, 314, 337},  // 1032
  { 5, 152, 252}, { 5, 152, 254}, { 5, 134, 166}, { 5, 132, 162},  // 1036
  { 5, 191, 108}, { 5, 373, 136}, { 5,  57, 348}, { 5, 120, 415},  // 1040
  { 5, 124, 413}, { 5, 403, 243},  // 1044
  // 1046-1199: {-1, 0, 0}
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0}, {-1,   0,   0},
  {-1,   0,   0}, {-1,   0,   0},
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
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
       9,   19,  105,   36,   54,   85,   30,  111,   68,  112,  // 10
      31,   70,   69,   16,   71,   64,  118,   90,   95,   66,  // 20
      62,   60,  107,    6,   21,   27,   38,  115,   97,  116,  // 30
      40,   94,   37,   47,   80,  122,   34,   22,   93,   55,  // 40
       0,   53,  103,   42,   61,   20,   83,   33,  119,   96,  // 50
      18,  123,   32,   75,   76,   28,  120,    5,   41,   35,  // 60
      45,   77,   81,    8,   65,   57,   98,  102,   63,  114,  // 70
     101,   84,  121,  100,   52,   29,   49,    3,   39,   78,  // 80
      92,  117,   10,   25,    7,  113,   12,   15,   11,   74,  // 90
      67,   13,  108,   43,   24,   82,   99,    4,   79,   48,  // 100
      72,   91,   17,   73,  110,   50,   89,   14,   58,   87,  // 110
      86,   44,  109,   88,  293,  268,  295,  285,  273,  282,  // 120
     682,  675,  665,  690,  698,  674,  721,  661,  694,  695,  // 130
     363,  356,  348,  328,  352,  405,  355,  381,  387,  357,  // 140
     533,  606,  586,  622,  543,  547,  584,  626,  538,  568,  // 150
    1025, 1045, 1034, 1043, 1037, 1011, 1010, 1013,  424,  461,  // 160
     460,  465,  488,  454,  481,  482,  524,  495,  943,  948,  // 170
     944,  946,  945,  958,  179,  181,  178,  136,  740,  741,  // 180
     742,  743,  222,  223,  224,  225,  640,  641,  642,  643,  // 190
     238,  239,  240,  241,  190,  191,  654,  655,  656,  657,  // 200
     748,  749,  750,  751,  310,  311,  314,  315,  856,  857,  // 210
     858,  859,  650,  651,  232,  233,  124,  125,  210,  211,  // 220
     756,  757,  761,  762,  766,  767,  770,  771,  780,  781,  // 230
     790,  791,  796,  797,  798,  799,  806,  807,  816,  817,  // 240
  },
  {  // game country 1
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  263,  278,  287,  304,  // 10
     290,  307,  271,  257,  280,  281,  288,  305,  296,  291,  // 20
     289,  259,  308,  301,  272,  256,  267,  277,  306,  297,  // 30
     275,  298,  266,  274,  279,  251,  250,  264,  276,  292,  // 40
     299,  302,  286,  262,  258,  283,  294,  309,  682,  675,  // 50
     665,  690,  698,  674,  721,  661,  694,  695,  363,  356,  // 60
     348,  328,  352,  405,  355,  381,  387,  357,  533,  606,  // 70
     586,  622,  543,  547,  584,  626,  538,  568, 1025, 1045,  // 80
    1034, 1043, 1037, 1011, 1010, 1013,  424,  461,  460,  465,  // 90
     488,  454,  481,  482,  524,  495,  943,  948,  944,  946,  // 100
     945,  958,  179,  181,  178,  136,  740,  741,  742,  743,  // 110
     222,  223,  224,  225,  640,  641,  642,  643,  238,  239,  // 120
     240,  241,  190,  191,  654,  655,  656,  657,  748,  749,  // 130
     750,  751,  310,  311,  314,  315,  856,  857,  858,  859,  // 140
     650,  651,  232,  233,  124,  125,  210,  211,  756,  757,  // 150
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
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  683,  691,  724,  725,  // 20
     667,  708,  663,  678,  720,  730,  689,  666,  664,  662,  // 30
     671,  734,  736,  668,  718,  709,  685,  705,  738,  677,  // 40
     670,  684,  711,  681,  739,  723,  700,  733,  732,  673,  // 50
     696,  710,  715,  697,  731,  692,  714,  728,  679,  693,  // 60
     680,  704,  717,  737,  712,  703,  729,  672,  719,  713,  // 70
     701,  669,  722,  726,  676,  699,  687,  727,  686,  706,  // 80
     363,  356,  348,  328,  352,  405,  355,  381,  387,  357,  // 90
     533,  606,  586,  622,  543,  547,  584,  626,  538,  568,  // 100
    1025, 1045, 1034, 1043, 1037, 1011, 1010, 1013,  424,  461,  // 110
     460,  465,  488,  454,  481,  482,  524,  495,  943,  948,  // 120
     944,  946,  945,  958,  179,  181,  178,  136,  740,  741,  // 130
     742,  743,  222,  223,  224,  225,  640,  641,  642,  643,  // 140
     238,  239,  240,  241,  190,  191,  654,  655,  656,  657,  // 150
     748,  749,  750,  751,  310,  311,  314,  315,  856,  857,  // 160
     858,  859,  650,  651,  232,  233,  124,  125,  210,  211,  // 170
     756,  757,  761,  762,  766,  767,  770,  771,  780,  781,  // 180
     790,  791,  796,  797,  798,  799,  806,  807,  816,  817,  // 190
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 200
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 3
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  363,  356,  348,  328,  // 20
     352,  405,  355,  381,  387,  357,  324,  369,  364,  386,  // 30
     360,  359,  323,  343,  401,  325,  400,  370,  378,  384,  // 40
     374,  361,  418,  322,  408,  330,  342,  365,  376,  399,  // 50
     366,  402,  391,  389,  339,  413,  392,  412,  358,  415,  // 60
     368,  377,  333,  341,  417,  390,  411,  345,  327,  350,  // 70
     329,  331,  395,  321,  379,  397,  334,  340,  349,  332,  // 80
     326,  362,  414,  403,  371,  409,  354,  367,  353,  394,  // 90
     419,  372,  337,  335,  388,  385,  344,  406,  375,  347,  // 100
     410,  396,  380,  407,  338,  373,  351,  383,  533,  606,  // 110
     586,  622,  543,  547,  584,  626,  538,  568, 1025, 1045,  // 120
    1034, 1043, 1037, 1011, 1010, 1013,  424,  461,  460,  465,  // 130
     488,  454,  481,  482,  524,  495,  943,  948,  944,  946,  // 140
     945,  958,  179,  181,  178,  136,  740,  741,  742,  743,  // 150
     222,  223,  224,  225,  640,  641,  642,  643,  238,  239,  // 160
     240,  241,  190,  191,  654,  655,  656,  657,  748,  749,  // 170
     750,  751,  310,  311,  314,  315,  856,  857,  858,  859,  // 180
     650,  651,  232,  233,  124,  125,  210,  211,  756,  757,  // 190
     761,  762,  766,  767,  770,  771,  780,  781,  790,  791,  // 200
     796,  797,  798,  799,  806,  807,  816,  817,  255,  255,  // 210
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 4
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  363,  356,  348,  328,  // 20
     352,  405,  355,  381,  387,  357,  533,  606,  586,  622,  // 30
     543,  547,  584,  626,  538,  568,  581,  601,  615,  598,  // 40
     532,  577,  536,  614,  583,  578,  541,  588,  610,  596,  // 50
     576,  595,  539,  566,  563,  558,  537,  549,  579,  618,  // 60
     589,  562,  612,  555,  557,  593,  617,  590,  616,  553,  // 70
     564,  560,  574,  580,  607,  570,  569,  556,  535,  633,  // 80
     627,  624,  594,  561,  613,  619,  546,  573,  542,  548,  // 90
     621,  565,  552,  605,  604,  609,  623,  630,  540,  575,  // 100
     531,  639,  599,  631,  611,  636,  632,  597,  602,  554,  // 110
     625,  592,  582,  635,  600,  534,  550,  530,  603,  585,  // 120
     572,  620,  638,  608,  637,  571,  544,  559, 1025, 1045,  // 130
    1034, 1043, 1037, 1011, 1010, 1013,  424,  461,  460,  465,  // 140
     488,  454,  481,  482,  524,  495,  943,  948,  944,  946,  // 150
     945,  958,  179,  181,  178,  136,  740,  741,  742,  743,  // 160
     222,  223,  224,  225,  640,  641,  642,  643,  238,  239,  // 170
     240,  241,  190,  191,  654,  655,  656,  657,  748,  749,  // 180
     750,  751,  310,  311,  314,  315,  856,  857,  858,  859,  // 190
     650,  651,  232,  233,  124,  125,  210,  211,  756,  757,  // 200
     761,  762,  766,  767,  770,  771,  780,  781,  790,  791,  // 210
     796,  797,  798,  799,  806,  807,  816,  817,  255,  255,  // 220
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 5
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  363,  356,  348,  328,  // 20
     352,  405,  355,  381,  387,  357,  533,  606,  586,  622,  // 30
     543,  547,  584,  626,  538,  568, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1010, 1013, 1004, 1009, 1044, 1012, 1005, 1028,  // 50
    1021, 1018, 1023, 1024, 1015, 1030, 1016, 1000, 1029, 1019,  // 60
    1036, 1007, 1003, 1027, 1002, 1022, 1038, 1017, 1041, 1006,  // 70
    1032, 1035,  424,  461,  460,  465,  488,  454,  481,  482,  // 80
     524,  495,  943,  948,  944,  946,  945,  958,  179,  181,  // 90
     178,  136,  740,  741,  742,  743,  222,  223,  224,  225,  // 100
     640,  641,  642,  643,  238,  239,  240,  241,  190,  191,  // 110
     654,  655,  656,  657,  748,  749,  750,  751,  310,  311,  // 120
     314,  315,  856,  857,  858,  859,  650,  651,  232,  233,  // 130
     124,  125,  210,  211,  756,  757,  761,  762,  766,  767,  // 140
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
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  363,  356,  348,  328,  // 20
     352,  405,  355,  381,  387,  357,  533,  606,  586,  622,  // 30
     543,  547,  584,  626,  538,  568, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1010, 1013,  424,  461,  460,  465,  488,  454,  // 50
     481,  482,  524,  495,  453,  430,  475,  427,  421,  463,  // 60
     444,  514,  446,  476,  498,  455,  462,  496,  529,  479,  // 70
     472,  471,  508,  448,  522,  523,  505,  526,  513,  491,  // 80
     519,  504,  521,  487,  473,  428,  489,  470,  439,  506,  // 90
     437,  515,  432,  516,  484,  433,  474,  459,  525,  447,  // 100
     493,  507,  467,  436,  458,  520,  464,  450,  510,  492,  // 110
     457,  497,  442,  478,  434,  477,  501,  490,  451,  441,  // 120
     452,  509,  426,  528,  511,  440,  502,  429,  480,  438,  // 130
     456,  500,  422,  425,  483,  485,  518,  503,  423,  512,  // 140
     527,  449,  445,  517,  468,  494,  443,  431,  469,  943,  // 150
     948,  944,  946,  945,  958,  179,  181,  178,  136,  740,  // 160
     741,  742,  743,  222,  223,  224,  225,  640,  641,  642,  // 170
     643,  238,  239,  240,  241,  190,  191,  654,  655,  656,  // 180
     657,  748,  749,  750,  751,  310,  311,  314,  315,  856,  // 190
     857,  858,  859,  650,  651,  232,  233,  124,  125,  210,  // 200
     211,  756,  757,  761,  762,  766,  767,  770,  771,  780,  // 210
     781,  790,  791,  796,  797,  798,  799,  806,  807,  816,  // 220
     817,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 230
     255,  255,  255,  255,  255,  255,  255,  255,  255,  255,  // 240
  },
  {  // game country 7
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  363,  356,  348,  328,  // 20
     352,  405,  355,  381,  387,  357,  533,  606,  586,  622,  // 30
     543,  547,  584,  626,  538,  568, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1010, 1013,  424,  461,  460,  465,  488,  454,  // 50
     481,  482,  524,  495,  943,  948,  944,  946,  945,  958,  // 60
     962,  970,  995,  997,  954,  965,  964,  977,  972,  961,  // 70
     996,  973,  942,  952,  981,  949,  978,  976,  993,  991,  // 80
     955,  960,  987,  950,  947,  979,  986,  941,  992,  999,  // 90
     179,  181,  178,  136,  740,  741,  742,  743,  222,  223,  // 100
     224,  225,  640,  641,  642,  643,  238,  239,  240,  241,  // 110
     190,  191,  654,  655,  656,  657,  748,  749,  750,  751,  // 120
     310,  311,  314,  315,  856,  857,  858,  859,  650,  651,  // 130
     232,  233,  124,  125,  210,  211,  756,  757,  761,  762,  // 140
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
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,  // 0
     293,  268,  295,  285,  273,  282,  682,  675,  665,  690,  // 10
     698,  674,  721,  661,  694,  695,  363,  356,  348,  328,  // 20
     352,  405,  355,  381,  387,  357,  533,  606,  586,  622,  // 30
     543,  547,  584,  626,  538,  568, 1025, 1045, 1034, 1043,  // 40
    1037, 1011, 1010, 1013,  424,  461,  460,  465,  488,  454,  // 50
     481,  482,  524,  495,  943,  948,  944,  946,  945,  958,  // 60
     179,  181,  178,  136,  135,  765,  189,  188,  159,  157,  // 70
     143,  147,  155,  173,  169,  165,  141,  140,  174,  184,  // 80
     180,  185,  168,  182,  152,  142,  170,  167,  177,  144,  // 90
     162,  153,  149,  171,  150,  156,  740,  741,  742,  743,  // 100
     222,  223,  224,  225,  640,  641,  642,  643,  238,  239,  // 110
     240,  241,  190,  191,  654,  655,  656,  657,  748,  749,  // 120
     750,  751,  310,  311,  314,  315,  856,  857,  858,  859,  // 130
     650,  651,  232,  233,  124,  125,  210,  211,  756,  757,  // 140
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
      59,    1,   23,   51,  106,    2,   26,   56,  104,   46,    9,   19,  105,   36,   54,   85,
      30,  111,   68,  112,   31,   70,   69,   16,   71,   64,  118,   90,   95,   66,   62,   60,
     107,    6,   21,   27,   38,  115,   97,  116,   40,   94,   37,   47,   80,  122,   34,   22,
      93,   55,    0,   53,  103,   42,   61,   20,   83,   33,  119,   96,   18,  123,   32,   75,
      76,   28,  120,    5,   41,   35,   45,   77,   81,    8,   65,   57,   98,  102,   63,  114,
     101,   84,  121,  100,   52,   29,   49,    3,   39,   78,   92,  117,   10,   25,    7,  113,
      12,   15,   11,   74,   67,   13,  108,   43,   24,   82,   99,    4,   79,   48,   72,   91,
      17,   73,  110,   50,   89,   14,   58,   87,   86,   44,  109,   88,   88,   88,   88,   88,
  },
  {  // game country 1
     293,  268,  295,  285,  273,  282,  263,  278,  287,  304,  290,  307,  271,  257,  280,  281,
     288,  305,  296,  291,  289,  259,  308,  301,  272,  256,  267,  277,  306,  297,  275,  298,
     266,  274,  279,  251,  250,  264,  276,  292,  299,  302,  286,  262,  258,  283,  294,  309,
     309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,
     309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,
     309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,
     309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,
     309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,  309,
  },
  {  // game country 2
     682,  675,  665,  690,  698,  674,  721,  661,  694,  695,  683,  691,  724,  725,  667,  708,
     663,  678,  720,  730,  689,  666,  664,  662,  671,  734,  736,  668,  718,  709,  685,  705,
     738,  677,  670,  684,  711,  681,  739,  723,  700,  733,  732,  673,  696,  710,  715,  697,
     731,  692,  714,  728,  679,  693,  680,  704,  717,  737,  712,  703,  729,  672,  719,  713,
     701,  669,  722,  726,  676,  699,  687,  727,  686,  706,  706,  706,  706,  706,  706,  706,
     706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,
     706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,
     706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,  706,
  },
  {  // game country 3
     363,  356,  348,  328,  352,  405,  355,  381,  387,  357,  324,  369,  364,  386,  360,  359,
     323,  343,  401,  325,  400,  370,  378,  384,  374,  361,  418,  322,  408,  330,  342,  365,
     376,  399,  366,  402,  391,  389,  339,  413,  392,  412,  358,  415,  368,  377,  333,  341,
     417,  390,  411,  345,  327,  350,  329,  331,  395,  321,  379,  397,  334,  340,  349,  332,
     326,  362,  414,  403,  371,  409,  354,  367,  353,  394,  419,  372,  337,  335,  388,  385,
     344,  406,  375,  347,  410,  396,  380,  407,  338,  373,  351,  383,  383,  383,  383,  383,
     383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,
     383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,  383,
  },
  {  // game country 4
     533,  606,  586,  622,  543,  547,  584,  626,  538,  568,  581,  601,  615,  598,  532,  577,
     536,  614,  583,  578,  541,  588,  610,  596,  576,  595,  539,  566,  563,  558,  537,  549,
     579,  618,  589,  562,  612,  555,  557,  593,  617,  590,  616,  553,  564,  560,  574,  580,
     607,  570,  569,  556,  535,  633,  627,  624,  594,  561,  613,  619,  546,  573,  542,  548,
     621,  565,  552,  605,  604,  609,  623,  630,  540,  575,  531,  639,  599,  631,  611,  636,
     632,  597,  602,  554,  625,  592,  582,  635,  600,  534,  550,  530,  603,  585,  572,  620,
     638,  608,  637,  571,  544,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,
     559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,  559,
  },
  {  // game country 5
    1025, 1045, 1034, 1043, 1037, 1011, 1010, 1013, 1004, 1009, 1044, 1012, 1005, 1028, 1021, 1018,
    1023, 1024, 1015, 1030, 1016, 1000, 1029, 1019, 1036, 1007, 1003, 1027, 1002, 1022, 1038, 1017,
    1041, 1006, 1032, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035,
    1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035,
    1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035,
    1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035,
    1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035,
    1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035, 1035,
  },
  {  // game country 6
     424,  461,  460,  465,  488,  454,  481,  482,  524,  495,  453,  430,  475,  427,  421,  463,
     444,  514,  446,  476,  498,  455,  462,  496,  529,  479,  472,  471,  508,  448,  522,  523,
     505,  526,  513,  491,  519,  504,  521,  487,  473,  428,  489,  470,  439,  506,  437,  515,
     432,  516,  484,  433,  474,  459,  525,  447,  493,  507,  467,  436,  458,  520,  464,  450,
     510,  492,  457,  497,  442,  478,  434,  477,  501,  490,  451,  441,  452,  509,  426,  528,
     511,  440,  502,  429,  480,  438,  456,  500,  422,  425,  483,  485,  518,  503,  423,  512,
     527,  449,  445,  517,  468,  494,  443,  431,  469,  469,  469,  469,  469,  469,  469,  469,
     469,  469,  469,  469,  469,  469,  469,  469,  469,  469,  469,  469,  469,  469,  469,  469,
  },
  {  // game country 7
     943,  948,  944,  946,  945,  958,  962,  970,  995,  997,  954,  965,  964,  977,  972,  961,
     996,  973,  942,  952,  981,  949,  978,  976,  993,  991,  955,  960,  987,  950,  947,  979,
     986,  941,  992,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,
     999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,
     999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,
     999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,
     999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,
     999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,  999,
  },
  {  // game country 8
     179,  181,  178,  136,  135,  765,  189,  188,  159,  157,  143,  147,  155,  173,  169,  165,
     141,  140,  174,  184,  180,  185,  168,  182,  152,  142,  170,  167,  177,  144,  162,  153,
     149,  171,  150,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
     156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,  156,
  },
};
// clang-format on
