// Name styles: surname runs, syllables and first names.
#include "world/static_names.h"

#include "world/nationality.h"

// clang-format off
const SurnameRun SurnameRuns[NUM_NAME_STYLES] = {
  {    0,  3000},  // English (0 and 1 name the two built-in managers)
  { 3000,  4000},  // Scottish
  { 4000,  5500},  // Italian
  { 5500,  7000},  // German
  { 7000,  8500},  // Spanish
  { 8500,  9500},  // Dutch
  { 9500, 11000},  // French
  {11000, 12000},  // Portuguese
  {12000, 12800},  // Flemish
  {12800, 13600},  // Nordic
  {13600, 15000},  // Slavic
  {15000, 15600},  // Balkan and Mediterranean
  {15600, 16100},  // African
  {16100, 16384},  // Asian
};

namespace {
#define N(a) a, static_cast<int>(sizeof(a) / sizeof(a[0]))
const char* const kEnS[] = {"Ash","Bar","Brad","Brom","Cal","Carr","Chad","Clay","Cran","Dal","Dun","Ell","Fen","Frost","Gar","Gill","Hal","Hart","Hay","Hol","Kem","Kings","Lang","Lind","Mar","Mil","Nor","Oak","Pem","Penn","Rad","Rowl","Sand","Shel","Stan","Thorn","Tring","Wal","Wes","Whit","Wick","Yard"};
const char* const kEnE[] = {"ley","ton","ford","well","by","wick","man","son","ham","field","er","ridge","worth","combe","den","hurst","stone","wood","ings","lake","more","shaw","croft","gate"};
const char* const kEnF[] = {"Adam","Alan","Andrew","Barry","Ben","Carl","Chris","Colin","Craig","Daniel","Darren","David","Dean","Gary","Geoff","Graham","Ian","James","Jason","John","Keith","Kevin","Lee","Mark","Martin","Matthew","Michael","Neil","Nick","Paul","Peter","Phil","Richard","Robert","Roy","Scott","Simon","Steve","Stuart","Terry","Tony","Wayne"};
const char* const kScS[] = {"Mac","Mc","Mac","Bal","Craw","Dun","Kil","Ross","Gil","Lach","Mor","Strach","Aird","Ure","Fin"};
const char* const kScE[] = {"ardle","bride","ewan","gregor","intosh","kenna","lachlan","leod","naught","pherson","quarrie","ritchie","allan","kie","ford","lie","ie","an","sie","och"};
const char* const kScF[] = {"Alan","Alistair","Andy","Angus","Archie","Callum","Colin","Craig","Donald","Duncan","Ewan","Fraser","Gordon","Graeme","Hamish","Iain","Jamie","Kenny","Lachlan","Malcolm","Murdo","Neil","Ross","Stuart","Willie"};
const char* const kItS[] = {"Bar","Bel","Bon","Cal","Cas","Cor","Dal","Del","Fer","Gal","Gia","Lom","Mar","Maz","Mor","Pal","Pel","Ros","San","Ser","Tor","Val","Ven","Zan","Sca","Ric"};
const char* const kItE[] = {"ardi","etti","ini","oni","ucci","ello","ano","ara","esi","otti","azzi","one","ieri","aldi","assi","urro","ino","ese","aro","acci"};
const char* const kItF[] = {"Alessandro","Andrea","Antonio","Carlo","Claudio","Daniele","Davide","Fabio","Filippo","Francesco","Gianluca","Giorgio","Giuseppe","Lorenzo","Luca","Marco","Massimo","Matteo","Paolo","Pietro","Roberto","Salvatore","Simone","Stefano","Vincenzo"};
const char* const kDeS[] = {"Ber","Brau","Eck","Fisch","Gerst","Hart","Hoff","Jung","Kess","Kraus","Lang","Maur","Neu","Ober","Pfei","Reich","Scholl","Schwarz","Stein","Vog","Wag","Weiss","Wolf","Zim","Brem","Ket"};
const char* const kDeE[] = {"mann","ner","ler","berg","hardt","er","inger","stadt","mayer","baum","huber","bach","feld","kamp","rich","hold","wald","isch","ke","mer"};
const char* const kDeF[] = {"Andreas","Bernd","Christian","Dieter","Frank","Hans","Heiko","Jens","Jochen","Jurgen","Karl","Klaus","Lars","Markus","Matthias","Michael","Oliver","Ralf","Sebastian","Stefan","Thomas","Thorsten","Uwe","Werner","Wolfgang"};
const char* const kEsS[] = {"Al","Bar","Cal","Cas","Del","Esp","Fer","Gal","Guer","Her","Ib","Lo","Mar","Mor","Nav","Or","Pe","Quin","Ram","Rod","San","Ser","Tor","Val","Vel","Zam"};
const char* const kEsE[] = {"ez","ero","ado","illa","ano","ales","ena","ega","ueta","arro","iz","uela","edo","anda","ares","ino","ote","arte","on","era"};
const char* const kEsF[] = {"Alberto","Alejandro","Alvaro","Antonio","Carlos","Daniel","David","Diego","Enrique","Fernando","Francisco","Javier","Jorge","Jose","Juan","Luis","Manuel","Miguel","Pablo","Pedro","Rafael","Ramon","Raul","Sergio","Victor"};
const char* const kNlP[] = {"Van","Van de","Van der","De","Ter"};
const char* const kNlS[] = {"Bos","Dijk","Hout","Kui","Meer","Smit","Veld","Vis","Wout","Bak","Jan","Kro","Mul","Ruit","Stee"};
const char* const kNlE[] = {"berg","man","kamp","stra","sma","ink","veld","hof","ma","broek","dijk","ing","huis","boom","kers","lee","de","sen","meijer","laan"};
const char* const kNlF[] = {"Arjen","Bas","Bert","Dennis","Dirk","Edwin","Erik","Frank","Gerrit","Hans","Henk","Jaap","Jan","Joost","Kees","Marco","Martijn","Niels","Patrick","Pieter","Ronald","Ruud","Sander","Wim","Youri"};
const char* const kFrS[] = {"Ber","Bou","Char","Dau","Du","Fau","Gar","Gi","La","Le","Mar","Mo","Pe","Re","Ro","Sau","Thi","Va","Vi","Bre","Cla","Fon"};
const char* const kFrE[] = {"rand","chet","nier","vin","bois","mont","ault","eau","el","ier","ard","on","ot","et","aux","ange","court","rieux","lin","don"};
const char* const kFrF[] = {"Alain","Antoine","Bernard","Bruno","Christophe","Cyril","Didier","Eric","Fabien","Francois","Frederic","Guillaume","Jean","Julien","Laurent","Marc","Nicolas","Olivier","Pascal","Philippe","Pierre","Sebastien","Stephane","Thierry","Yannick"};
const char* const kPtS[] = {"Al","Bar","Bri","Car","Cos","Fer","Fon","Gou","Lou","Mach","Mar","Mor","Nog","Pe","Pin","Ri","Sa","Sou","Tei","Val","Vie","Xa"};
const char* const kPtE[] = {"eira","inho","ado","ares","oso","aes","elo","ista","uro","anha","ide","ota","eto","ulho","ante","aca","oes","ira","ento","alho"};
const char* const kPtF[] = {"Andre","Antonio","Bruno","Carlos","Diogo","Eduardo","Fabio","Fernando","Filipe","Goncalo","Helder","Joao","Jorge","Jose","Luis","Manuel","Marco","Miguel","Nuno","Paulo","Pedro","Ricardo","Rui","Sergio","Tiago"};
const char* const kBeP[] = {"Van","De","Van den","Vanden"};
const char* const kBeS[] = {"Ver","Claes","Goos","Hey","Jans","Lam","Mert","Pee","Wou","Vand","Schu","Lemm","Dries"};
const char* const kBeE[] = {"aerts","ens","mans","broeck","hove","ckx","eke","elen","poel","voorde","sens","ghem","nen","velde","hout","straete","weghe","eels"};
const char* const kBeF[] = {"Bart","Dirk","Filip","Geert","Gert","Jan","Johan","Koen","Kris","Luc","Marc","Nico","Patrick","Peter","Philippe","Stijn","Tom","Wim","Yves","Jelle"};
const char* const kNdS[] = {"Ander","Berg","Dahl","Eng","Gus","Hag","Hol","Jo","Lar","Lind","Nils","Niel","Ols","Pet","Sand","Sjo","Strom","Tor","Vik","Ek"};
const char* const kNdE[] = {"sen","son","strom","berg","lund","gren","dahl","qvist","vik","heim","holm","by","stad","rud","nes","gaard","strand","ness","backe","sson"};
const char* const kNdF[] = {"Anders","Bjorn","Erik","Frode","Gunnar","Henrik","Jesper","Johan","Kjell","Lars","Magnus","Mats","Morten","Nils","Ola","Olle","Per","Rune","Stefan","Sven","Thomas","Tore","Ulf"};
const char* const kSlS[] = {"Ba","Bo","Dra","Gor","Jan","Kal","Kov","Kra","Les","Mar","Mil","Nov","Pav","Pet","Rad","Sta","Tom","Vla","Vuk","Zel","Wis","Chm"};
const char* const kSlE[] = {"ovic","ski","enko","ov","ak","ek","czyk","ic","inov","escu","anu","ovsky","ar","ota","sky","evic","icki","in","as","ev"};
const char* const kSlF[] = {"Adam","Aleksandar","Andrei","Bogdan","Dariusz","Dmitri","Dragan","Goran","Igor","Ivan","Janusz","Jiri","Marek","Milan","Miroslav","Nikola","Pavel","Petr","Piotr","Sergei","Tomas","Vladimir","Zoltan","Zoran"};
const char* const kBaS[] = {"Ana","Chri","Dimi","Geor","Kara","Kon","Lia","Niko","Papa","Sta","Yil","Ozt","Dem","Kaz","Hox","Ber"};
const char* const kBaE[] = {"poulos","dis","akis","idis","ou","oglu","urk","irel","han","ha","aj","iou","atos","anis","as","ci"};
const char* const kBaF[] = {"Andreas","Christos","Dimitris","Giorgos","Kostas","Nikos","Panagiotis","Stelios","Vasilis","Yannis","Ahmet","Emre","Hakan","Mehmet","Murat","Arben","Ilir","Besnik","Marios","Savvas"};
const char* const kAfS[] = {"Ade","Ba","Ko","Mba","Ndo","Oko","Oba","Ta","Diaw","Kou","Mens","Ase","Tou","Sa","Kei","Dia"};
const char* const kAfE[] = {"yemi","kari","mbe","nga","nye","rafor","wusi","ara","ah","ame","doh","ssa","kou","ba","lu","mbi"};
const char* const kAfF[] = {"Abdou","Ahmed","Ali","Amadou","Emmanuel","Ibrahim","Issa","Joseph","Kwame","Mamadou","Moussa","Nii","Omar","Samuel","Seydou","Sunday","Taiwo","Youssef","Yaw","Didier"};
const char* const kAsS[] = {"Ka","Mi","Na","Ta","Yo","Pa","Ch","Ki","Ha","Su","Lee","Wa","Ah","Ra","Sa","Ho"};
const char* const kAsE[] = {"mura","shita","moto","gawa","ng","won","sung","ri","zadeh","wan","pong","harto","yev","shi","kuni","dari"};
const char* const kAsF[] = {"Hiroshi","Kazu","Kenji","Takeshi","Yuji","Jin","Min","Sung","Wei","Ali","Reza","Somchai","Budi","Ruslan","Timur","Rahul"};
const char* const kNoParticles[] = {""};
#undef N
}  // namespace

#define N(a) a, static_cast<int>(sizeof(a) / sizeof(a[0]))
const NameSyllables NameStyleSyllables[NUM_NAME_STYLES] = {
  // starts, ends, first names, particles ("Van", "De": before one surname in three)
  {N(kEnS), N(kEnE), N(kEnF), N(kNoParticles), 0}, {N(kScS), N(kScE), N(kScF), N(kNoParticles), 0},
  {N(kItS), N(kItE), N(kItF), N(kNoParticles), 0}, {N(kDeS), N(kDeE), N(kDeF), N(kNoParticles), 0},
  {N(kEsS), N(kEsE), N(kEsF), N(kNoParticles), 0}, {N(kNlS), N(kNlE), N(kNlF), N(kNlP), 35},
  {N(kFrS), N(kFrE), N(kFrF), N(kNoParticles), 0}, {N(kPtS), N(kPtE), N(kPtF), N(kNoParticles), 0},
  {N(kBeS), N(kBeE), N(kBeF), N(kBeP), 30},        {N(kNdS), N(kNdE), N(kNdF), N(kNoParticles), 0},
  {N(kSlS), N(kSlE), N(kSlF), N(kNoParticles), 0}, {N(kBaS), N(kBaE), N(kBaF), N(kNoParticles), 0},
  {N(kAfS), N(kAfE), N(kAfF), N(kNoParticles), 0}, {N(kAsS), N(kAsE), N(kAsF), N(kNoParticles), 0},
};
#undef N
// clang-format on

NameStyle NameStyleOf(int nationality) {
  switch (nationality) {
    case 0: return STYLE_ENGLISH;
    case 1: return STYLE_SCOTTISH;
    case 2: return STYLE_ITALIAN;
    case 3: return STYLE_GERMAN;
    case 4: return STYLE_SPANISH;
    case 5: return STYLE_DUTCH;
    case 6: return STYLE_FRENCH;
    case 7: return STYLE_PORTUGUESE;
    case 8: return STYLE_FLEMISH;
    case 10: case 22: return STYLE_GERMAN;      // Swiss, Austrian
    case 20: return STYLE_FRENCH;               // Luxembourger
    case 16: return STYLE_ITALIAN;              // Maltese
    case 66: return STYLE_PORTUGUESE;           // Brazilian
    case 64: return STYLE_PORTUGUESE;           // Angolan
    case 76: case 77: case 79: case 80: case 84: case 85: case 86:
      return STYLE_ENGLISH;                     // the English-speaking Americas
    case 78: case 81: case 82: case 83: return STYLE_SPANISH;
    default: break;
  }
  switch (NationalityGroup(nationality)) {
    case NATION_GROUP_BRITISH_ISLES: return STYLE_ENGLISH;
    case NATION_GROUP_WESTERN_EUROPE: return STYLE_GERMAN;
    case NATION_GROUP_SOUTHERN_EUROPE: return STYLE_BALKAN;
    case NATION_GROUP_NORDIC: return STYLE_NORDIC;
    case NATION_GROUP_EASTERN_EUROPE: return STYLE_SLAVIC;
    case NATION_GROUP_AFRICA: return STYLE_AFRICAN;
    case NATION_GROUP_SOUTH_AMERICA: return STYLE_SPANISH;
    case NATION_GROUP_ASIA: return STYLE_ASIAN;
    default: return STYLE_ENGLISH;  // North America, Oceania
  }
}
