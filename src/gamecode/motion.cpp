// The motion-capture clips (placeholder bodies until the loader lands).
#include "gamecode/motion.h"

const char* const MotionNames[MOTION_COUNT] = {
    "ANF001", "ANF002", "ANF003", "ANF003R", "ANF004", "ANF009", "ANF010", "ANF011",
    "ANF015", "ANF016", "ANF019", "ANF020", "ANF021", "ANF023", "ANF025", "ANF026",
    "ANF027", "ANF027B", "ANF027BR", "ANF027C", "ANF027CR", "ANF027D", "ANF027R", "ANF028",
    "ANF029", "ANF031", "ANF035", "ANF036", "ANF037", "ANF038", "ANF039", "ANF040",
    "ANF041", "ANF042", "ANF043", "ANF044", "ANF044R", "ANF045", "ANF045R", "ANF046",
    "ANF046R", "ANF047", "ANF048", "ANF049", "ANF050", "ANF051", "ANF052", "ANF053",
    "ANF054", "ANF055", "ANF056", "ANF057", "ANF058", "ANF058R", "ANF060", "ANF061",
    "ANF062", "ANF063", "ANF064", "ANF065", "ANF066", "ANF067", "ANF068", "ANF071",
    "ANF072", "ANF073", "ANF074", "ANF075", "ANF087", "ANF088", "ANF089", "ANF090",
    "ANF091", "ANF092", "ANF093", "ANF094", "ANF095", "ANF096", "ANF096R", "ANF097",
    "ANF097R", "ANF098", "ANF099", "ANF100", "ANF101", "ANF102", "ANF103", "ANF104",
    "ANF105", "ANF105B", "ANF105C", "ANF106", "ANF107", "ANF111", "ANF114", "ANF122",
    "ANF123", "ANF124", "ANF125", "ANF126", "ANF127", "ANF128", "ANF128B", "ANF141",
    "ANF141B", "ANF141C", "ANF141D", "ANF141E", "ANF141F", "ANF141G", "ANF141H", "ANF141I",
    "ANF141J", "ANF142", "ANF143", "ANF144", "ANF144B", "ANF144C", "ANF145", "ANF145B",
    "ANF146", "ANF146B", "ANF147", "ANF147B", "ANF148", "ANF148B", "ANF149", "ANF149B",
    "ANF150", "ANF150B", "ANF151", "ANF151B", "ANF152", "ANF153", "ANF154", "ANF144R",
    "ANF144BR", "ANF144CR", "ANF145R", "ANF145BR", "ANF146R", "ANF146BR", "ANF147R", "ANF147BR",
    "ANF148R", "ANF148BR", "ANF149R", "ANF149BR", "ANF150R", "ANF150BR", "ANF151R", "ANF151BR",
    "ANF017", "ANF018", "ANF024", "ANF111R", "ANF115B", "ANF123R", "AX002",
};

void LoadMotions() {}
void FreeMotions() {}
bool MotionsLoaded() { return false; }
int32_t GetMotionFrames(int) { return 0; }
const uint8_t* GetMotionFrame(int, int) { return nullptr; }
void PlaceBallInHands(int, int) {}
