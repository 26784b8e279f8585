#include "shell/CommandList.h"

#include "common/StringTable.h"

namespace commands {

namespace {

constexpr Target window(const char* className) {
    return {Target::Window, className};
}
constexpr Target program(const char* name) {
    return {Target::Program, name};
}
constexpr Target exitQuestion{Target::Exit, ""};
constexpr Target nothing{Target::Nothing, ""};

MenuItem line(const char* control) {
    return {control, 0, nothing};
}

std::vector<Menu> buildMenuBar() {
    return {
        {"file",
         1003,
         {
             {"dwzh", 1004, window("Form12")},
             {"zkht", 1005, window("Form61")},
             {"jsq", 1006, program("jsq")},
             {"note", 1007, program("note")},
             {"qlxtlj", 1008, program("qlxtlj")},
             {"sfyj", 1009, program("sfyj")},
             line("fhg1"),
             {"min", 1010, program("min")},
             line("fhg2"),
             {"dkgq", 1011, window("Form55")},
             {"kscqdn", 1012, window("Form54")},
             {"dndsgj", 1013, window("Form60")},
             {"dnksgj", 1014, window("Form53")},
             {"tuichu", 1016, exitQuestion},
         },
         {}},
        {"zljs",
         1017,
         {
             {"ybth", 1018, window("Form2")},
             {"txthzl", 1019, window("Form40")},
             line("hg1"),
             {"zkyl", 1020, window("Form3")},
             {"sxth", 1021, window("Form4")},
             line("hg2"),
             {"ftwj", 1022, window("Form5")},
             {"mjth", 1023, window("Form6")},
             line("hg3"),
             {"shaft", 1025, window("Form41")},
             line("hg4"),
             {"wjbc", 1026, window("Form50")},
         },
         {}},
        {"bj",
         1028,
         {
             {"cbfx", 1029, window("Form117")},
             {"thbj", 1031, window("Form7")},
             {"zlbj", 1033, window("Form42")},
             {"wjbj", 1044, window("Form51")},
         },
         {}},
        {"thsj",
         1045,
         {
             {"yhxd", 1050, window("Form90")},
             {"lhxd", 1051, window("Form99")},
             {"nhxd", 1052, window("Form108")},
             line("hg9"),
             {"ylthsj", 1046, window("Form131")},
             {"lsthsj", 1048, window("Form130")},
             {"nzsj", 1049, window("Form132")},
             {"kcth", 1047, window("Form128")},
             line("hgg"),
             {"ysthsj", 1053, window("Form65")},
             {"nzthsj", 1054, window("Form66")},
             {"lathsj", 1056, window("Form67")},
             {"txthsj", 1057, window("Form68")},
             {"ztthsj", 1058, window("Form69")},
             {"zathjs", 1059, window("Form86")},
             line("hgk"),
             {"kfd", 2467, window("Form143")},
             {"thsj3", 2450, window("Form139")},
             {"llgc", 2451, window("Form122")},
             {"nlgc", 2452, window("Form140")},
             line("hgj"),
             {"bjjyhqs", 1063, window("Form127")},
             {"fjcwjsj", 1061, window("Form36")},
             {"ftthsj", 1062, window("Form37")},
         },
         {}},
        {"sj",
         1064,
         {
             {"ylth", 1065, window("Form8")},
             {"llth", 1066, window("Form10")},
             {"nlth", 1067, window("Form9")},
             line("hg2014"),
             {"txth", 1068, window("Form13")},
             {"ztyh", 1069, window("Form35")},
             {"zath", 1080, window("Form84")},
             line("hg32"),
             {"bjjyh", 1081, window("Form73")},
             {"sdjj", 1082, window("Form123")},
             {"xdxjj", 1083, window("Form74")},
             {"xddjj", 1084, window("Form75")},
             {"bjjztth", 1085, window("Form76")},
             line("hg20141"),
             {"nhxz", 1086, window("Form89")},
             {"hgl", 1087, window("Form87")},
             {"pcl", 1089, window("Form52")},
             line("hg31"),
             {"thcqjs", 1090, window("Form77")},
             {"szthjs", 1091, window("Form78")},
             {"phgjs", 1093, window("Form80")},
             line("hg33"),
             {"bcyz", 1094, window("Form64")},
             {"fxyh", 1095, window("Form33")},
             {"jxyh", 1096, window("Form34")},
             {"jxnh", 1097, window("Form43")},
             {"tyjmnh", 1098, window("Form85")},
             line("hg34"),
             {"bxth", 1099, window("Form124")},
             {"fxthjs", 1100, window("Form81")},
             {"tythjs", 1101, window("Form82")},
             {"lxjs", 1102, window("Form83")},
             line("hg35"),
             {"fjcwj", 1103, window("Form71")},
             {"jcwj", 1105, window("Form72")},
             {"hlth", 1106, window("Form38")},
             {"dnjjs", 1107, window("Form79")},
             line("hg36"),
             {"ddx", 1109, window("Form126")},
             {"dxth", 1110, window("Form45")},
             {"bxthjs", 1111, window("Form88")},
             {"bbth", 1112, window("Form39")},
             {"phsj", 1114, window("Form44")},
             {"ngth", 1115, window("Form70")},
         },
         {}},
        {"xjth",
         1116,
         {
             {"yzyh", 1117, window("Form46")},
             {"jxxjyh", 1119, window("Form47")},
             {"jxjtth", 1120, window("Form48")},
         },
         {}},
        {"RCLL",
         1121,
         {
             {"rcl", 1122, window("Form19")},
             {"LHRCL", 1201, window("Form20")},
         },
         {}},
        {"zlgj",
         1202,
         {
             {"yhsj", 1203, window("Form25")},
             {"nhsj", 1204, window("Form27")},
             {"lhsj", 1205, window("Form26")},
             line("sm1"),
             {"ylpl", 2447, window("Form137")},
             {"nzpl", 2448, window("Form138")},
             line("hg51"),
             {"swc", 1206, window("Form28")},
             {"sus", 1207, window("Form29")},
             {"klqd", 1208, window("Form56")},
             line("hg52_3"),
             {"cyunit", 1209, window("Form30")},
             {"lc", 1210, window("Form31")},
             {"rclbz", 1211, window("Form32")},
             {"rbgc", 1212, window("Form14")},
         },
         {}},
        {"about",
         1213,
         {
             {"gy", 1214, window("Form49")},
             {"qwz", 1215, program("qwz")},
             {"help", 1216, program("help")},
         },
         {}},
        {"tc2", 1315, {}, exitQuestion},
    };
}

Menu buildPopMenu() {
    return {"PopMenu",
            0,
            {
                {"ybh", 1219, window("Form2")},
                {"thzl", 1220, window("Form40")},
                {"spbj", 1221, window("Form7")},
                line("hg10"),
                {"yh", 1222, window("Form8")},
                {"lh", 1223, window("Form10")},
                {"nh", 1224, window("Form9")},
                {"yzjmth", 1225, window("Form13")},
                line("hg11"),
                {"zxh", 1226, program("zxh")},
                {"qllj", 1309, window("Form63")},
                {"sfyj2", 1310, nothing},
                line("hg12"),
                {"kscq", 1311, window("Form54")},
                {"dshj", 1312, window("Form60")},
                {"ksgj", 1313, window("Form53")},
                {"tc", 1314, exitQuestion},
            },
            {}};
}

std::vector<ToolbarButton> buildToolbar() {
    return {
        {1, {1018, 1017}, "Form2"}, {2, {1019, 1017}, "Form40"}, {3, {1031, 0}, "Form7"},
        {4, {1029, 0}, "Form117"},  {5, {1050, 0}, "Form90"},    {6, {1052, 0}, "Form108"},
        {7, {1051, 0}, "Form99"},   {8, {1046, 0}, "Form131"},   {9, {1049, 0}, "Form132"},
        {10, {1048, 0}, "Form130"}, {11, {1086, 0}, "Form89"},   {12, {1069, 0}, "Form35"},
        {13, {1080, 0}, "Form84"},  {14, {1081, 0}, "Form73"},   {15, {1083, 0}, "Form74"},
        {16, {1084, 0}, "Form75"},  {17, {1085, 0}, "Form76"},   {18, {1099, 0}, "Form124"},
        {19, {1100, 0}, "Form81"},  {20, {1101, 0}, "Form82"},   {21, {1102, 0}, "Form83"},
        {22, {1109, 0}, "Form126"}, {23, {1111, 0}, "Form88"},
    };
}

std::vector<HotSpot> buildHotSpots() {
    // Label6 and Label8 show the captions of the two-point designers while they open the
    // standard-based ones; the tooltips are kept as the users know them.
    return {
        {"Label2", 480, 2520, 1455, 1695, 1065, window("Form8")},
        {"Label3", 480, 4320, 1335, 1455, 1067, window("Form9")},
        {"Label4", 480, 6000, 1455, 1575, 1066, window("Form10")},
        {"Label5", 360, 7800, 1575, 1575, 1068, window("Form13")},
        {"Label6", 13080, 2400, 2055, 1695, 1046, window("Form65")},
        {"Label7", 13200, 4320, 1575, 1575, 1054, window("Form66")},
        {"Label8", 13080, 6000, 1935, 1695, 1048, window("Form67")},
        {"Label9", 12840, 7560, 2055, 1815, 1057, window("Form68")},
        {"Label11", 4800, 7680, 4095, 1215, 0, program("Label11")},
    };
}

} // namespace

const std::vector<Menu>& menuBar() {
    static const std::vector<Menu> menus = buildMenuBar();
    return menus;
}

const Menu& popMenu() {
    static const Menu menu = buildPopMenu();
    return menu;
}

const std::vector<ToolbarButton>& toolbar() {
    static const std::vector<ToolbarButton> buttons = buildToolbar();
    return buttons;
}

const std::vector<HotSpot>& hotSpots() {
    static const std::vector<HotSpot> spots = buildHotSpots();
    return spots;
}

Target targetOf(const QString& control) {
    auto inItems = [&](const std::vector<MenuItem>& items, Target* out) {
        for (const MenuItem& item : items)
            if (!item.isSeparator() && control == QLatin1String(item.control)) {
                *out = item.target;
                return true;
            }
        return false;
    };
    Target found;
    for (const Menu& menu : menuBar()) {
        if (menu.items.empty() && control == QLatin1String(menu.control))
            return menu.target;
        if (inItems(menu.items, &found))
            return found;
    }
    if (inItems(popMenu().items, &found))
        return found;
    for (const HotSpot& spot : hotSpots())
        if (control == QLatin1String(spot.control))
            return spot.target;
    return nothing;
}

QString toolbarTarget(int index) {
    for (const ToolbarButton& button : toolbar())
        if (button.index == index)
            return QString::fromLatin1(button.target);
    return {};
}

QString toolbarTooltip(const ToolbarButton& button) {
    QString tip = StringTable::text(button.tooltip[0]);
    if (button.tooltip[1] != 0)
        tip += StringTable::text(button.tooltip[1]);
    return tip;
}

QString toolbarImage(int index) {
    return QStringLiteral(":/pictures/shell/toolbar%1.svg").arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace commands
