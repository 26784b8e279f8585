// The main window's command list: every caption in both languages, the toolbar tooltips, the
// hot spots, and what each entry opens.

#include "shell/CommandList.h"
#include "shell/ProgramCommands.h"
#include "test_main_window_support.h"

#include <QMenuBar>
#include <QToolBar>
#include <vector>

namespace {

struct MenuRow {
    const char* menu; // "" for an entry of the bar itself
    const char* control;
    const char* zhCN; // nullptr for a separator line
    const char* enUS;
    const char* target; // window class, "program", "exit", or "" for nothing
};

// Menu bar entries in display order: control, zh-CN, en-US, target.
const std::vector<MenuRow> barRows = {
    {"", "file", "文件File", "File", ""},
    {"", "zljs", "重量计算", "Weight Calc", ""},
    {"", "bj", "报价系统", "Quotation Sys", ""},
    {"", "thsj", "弹簧设计", "Spring Design", ""},
    {"", "sj", "弹簧计算", "Spring Calculation", ""},
    {"", "xjth", "橡胶弹簧", "Rubber Spring", ""},
    {"", "RCLL", "热处理", "Heat treatment", ""},
    {"", "zlgj", "工程资料", "Engineering Data", ""},
    {"", "about", "关于", "About", ""},
    {"", "tc2", "退出", "Exit", "exit"},
};
// Items of every menu and of the popup menu in display order; separators have no caption.
const std::vector<MenuRow> itemRows = {
    {"file", "dwzh", "常用单位转换", "Unit Conversion", "Form12"},
    {"file", "zkht", "五金展开计算", "Hardware Expansion", "Form61"},
    {"file", "jsq", "计算器", "Calculator", "program"},
    {"file", "note", "记事本", "Notepad", "program"},
    {"file", "qlxtlj", "清理系统垃圾", "Garbage clean-up", "program"},
    {"file", "sfyj", "收发邮件", "Send & Receive Mail", "program"},
    {"file", "fhg1", nullptr, nullptr, ""},
    {"file", "min", "最小化窗口", "Minimize Window", "program"},
    {"file", "fhg2", nullptr, nullptr, ""},
    {"file", "dkgq", "打开关闭光驱", "Open Closed CD-ROM", "Form55"},
    {"file", "kscqdn", "快速重启电脑", "Quick Restart PC", "Form54"},
    {"file", "dndsgj", "电脑定时关机", "Shutdown PC ontime", "Form60"},
    {"file", "dnksgj", "电脑快速关机", "Fast shutdown PC", "Form53"},
    {"file", "tuichu", "退出系统Exit", "Exit Sp System", "exit"},
    {"zljs", "ybth", "一般弹簧", "Normal Spring", "Form2"},
    {"zljs", "txthzl", "塔形弹簧", "Conical Spring", "Form40"},
    {"zljs", "hg1", nullptr, nullptr, ""},
    {"zljs", "zkyl", "中空圆料", "Hole Mats", "Form3"},
    {"zljs", "sxth", "蛇形弹簧", "Serpentine Sp", "Form4"},
    {"zljs", "hg2", nullptr, nullptr, ""},
    {"zljs", "ftwj", "发条蜗卷", "Spiral Sp", "Form5"},
    {"zljs", "mjth", "模具弹簧", "Die Spring", "Form6"},
    {"zljs", "hg3", nullptr, nullptr, ""},
    {"zljs", "shaft", "车床件-轴", "Lathe Axis", "Form41"},
    {"zljs", "hg4", nullptr, nullptr, ""},
    {"zljs", "wjbc", "五金件-板材", "Hardware Sheet", "Form50"},
    {"bj", "cbfx", "弹簧报价向导", "Spring quote wizard", "Form117"},
    {"bj", "thbj", "弹簧报价系统", "Spring quotation ", "Form7"},
    {"bj", "zlbj", "轴类报价系统", "Shaft Quotation", "Form42"},
    {"bj", "wjbj", "五金件报价系统", "Hardware quotation sys", "Form51"},
    {"thsj", "yhxd", "压簧设计向导", "Compression Spring Design Wizard", "Form90"},
    {"thsj", "lhxd", "拉簧设计向导", "Tenstion Spring Design Wizard", "Form99"},
    {"thsj", "nhxd", "扭簧设计向导", "Torstion Spring Design Wizard", "Form108"},
    {"thsj", "hg9", nullptr, nullptr, ""},
    {"thsj", "ylthsj", "压缩弹簧设计(H1.P1.H2.P2)", "Compression Spring Design(H1.P1.H2.P2)", "Form131"},
    {"thsj", "lsthsj", "拉伸弹簧设计", "Tenstion Spring Design", "Form130"},
    {"thsj", "nzsj", "扭转弹簧设计", "Torstion Spring Design ", "Form132"},
    {"thsj", "kcth", "矿车弹簧设计", "Car Spring Design", "Form128"},
    {"thsj", "hgg", nullptr, nullptr, ""},
    {"thsj", "ysthsj", "压缩弹簧设计(JIS)", "Compression Spring Design JIS", "Form65"},
    {"thsj", "nzthsj", "扭转弹簧设计(JIS)", "Torstion Spring Design JIS", "Form66"},
    {"thsj", "lathsj", "拉伸弹簧设计(JIS)", "Tenstion Spring Design JIS", "Form67"},
    {"thsj", "txthsj", "塔形弹簧设计(JIS)", "Conical Spring Design JIS", "Form68"},
    {"thsj", "ztthsj", "中凸弹簧设计(JIS)", "Barrel shaped Spring Design JIS", "Form69"},
    {"thsj", "zathjs", "中凹弹簧设计(JIS)", "Hourglass shaped Spring Design", "Form86"},
    {"thsj", "hgk", nullptr, nullptr, ""},
    {"thsj", "kfd", "压力弹簧设计(k.f.D)", "Compress Spring ((k.f.D))", "Form143"},
    {"thsj", "thsj3", "压力弹簧设计(公测版)", "Compress Spring (test)", "Form139"},
    {"thsj", "llgc", "拉力弹簧设计(公测版)", "Tenstion Spring (test)", "Form122"},
    {"thsj", "nlgc", "扭力弹簧设计(公测版)", "Torstion Spring (test)", "Form140"},
    {"thsj", "hgj", nullptr, nullptr, ""},
    {"thsj", "bjjyhqs", "变节距压簧设计", "variable pitch Spring Design", "Form127"},
    {"thsj", "fjcwjsj", "非接触涡卷设计", "Non-contact flat sprial Design", "Form36"},
    {"thsj", "ftthsj", "发条弹簧设计", "Comtact flat spiral Sp Design", "Form37"},
    {"sj", "ylth", "压力弹簧计算", "Pressure Spring Calculation", "Form8"},
    {"sj", "llth", "拉力弹簧计算", "Pull Spring Calculation", "Form10"},
    {"sj", "nlth", "扭力弹簧计算", "Torsion Spring Calculation", "Form9"},
    {"sj", "hg2014", nullptr, nullptr, ""},
    {"sj", "txth", "塔形弹簧计算", "Conical Spring Calculation", "Form13"},
    {"sj", "ztyh", "中凸压簧计算", "Barrel shaped Sp Calculation", "Form35"},
    {"sj", "zath", "中凹弹簧计算", "Hourglass shaped Sp Calculation", "Form84"},
    {"sj", "hg32", nullptr, nullptr, ""},
    {"sj", "bjjyh", "2段变节距压簧", "2 variable pitch Spring Calc", "Form73"},
    {"sj", "sdjj", "3段变节距压簧", "3 variable pitch Spring Calc", "Form123"},
    {"sj", "xdxjj", "小端小节距塔簧", "Small End section Conical Sp", "Form74"},
    {"sj", "xddjj", "小端大节距塔簧", "Small End large pitch Conical Sp", "Form75"},
    {"sj", "bjjztth", "中凸变节距弹簧", "Barrel shaped variable pitch Sp", "Form76"},
    {"sj", "hg20141", nullptr, nullptr, ""},
    {"sj", "nhxz", "扭簧芯轴计算", "TorSpring mandrel Calculation", "Form89"},
    {"sj", "hgl", "弹簧合格率计算", "Spring qualified rate Calc", "Form87"},
    {"sj", "pcl", "弹簧排斥力计算", "CalC repulsive force of Spring", "Form52"},
    {"sj", "hg31", nullptr, nullptr, ""},
    {"sj", "thcqjs", "弹簧卡圈计算", "Spring collar Calculation", "Form77"},
    {"sj", "szthjs", "蛇形弹簧计算", "Serpentine Spring Calculation", "Form78"},
    {"sj", "phgjs", "平衡杆簧计算", "Balance lever Spring Calculation", "Form80"},
    {"sj", "hg33", nullptr, nullptr, ""},
    {"sj", "bcyz", "扁材圆柱压簧(模具弹簧)", "Flat Mats ComSpring Calculation", "Form64"},
    {"sj", "fxyh", "方线压簧计算", "Square Mats ComSpring Calc", "Form33"},
    {"sj", "jxyh", "矩线压簧计算", "Rectangle section comsp CalC", "Form34"},
    {"sj", "jxnh", "矩型截面扭簧", "Rectangle section torsp CalC", "Form43"},
    {"sj", "tyjmnh", "椭圆截面扭簧", "Elliptical cross-section torsp", "Form85"},
    {"sj", "hg34", nullptr, nullptr, ""},
    {"sj", "bxth", "扁形弹簧计算", "Flat Spring Calculation", "Form124"},
    {"sj", "fxthjs", "方形弹簧计算", "Spring Square Calculation", "Form81"},
    {"sj", "tythjs", "椭圆弹簧计算", "Elliptic helical Spring CalC", "Form82"},
    {"sj", "lxjs", "卵形弹簧计算", "Egg appear helix helical CalC", "Form83"},
    {"sj", "hg35", nullptr, nullptr, ""},
    {"sj", "fjcwj", "非接触涡卷簧", "Non-contact flat sprial sp", "Form71"},
    {"sj", "jcwj", "接触涡卷(发条)", "Contact flat sprial sp CalC", "Form72"},
    {"sj", "hlth", "恒力弹簧计算", "Constant-force Sp Calculation", "Form38"},
    {"sj", "dnjjs", "定扭矩簧计算", "Constant torque Sp Calculation", "Form79"},
    {"sj", "hg36", nullptr, nullptr, ""},
    {"sj", "ddx", "单片碟形弹簧计算", "Monolithic disc Sp Calculation", "Form126"},
    {"sj", "dxth", "组合蝶形弹簧", "Combined disc Sp Calculation", "Form45"},
    {"sj", "bxthjs", "波形弹簧计算", "wave Spring Calculation", "Form88"},
    {"sj", "bbth", "薄板弹簧计算", "Leaf Spring Calculation", "Form39"},
    {"sj", "phsj", "悬臂梁弹片计算", "Cantilever leaf Sp Calculation", "Form44"},
    {"sj", "ngth", "扭杆弹簧计算", "Torsion bar Spring Calculation", "Form70"},
    {"xjth", "yzyh", "圆柱、圆环压缩弹簧", "Column Ring Compression Spring", "Form46"},
    {"xjth", "jxxjyh", "矩形压缩弹簧", "Rectangle Compression Spring", "Form47"},
    {"xjth", "jxjtth", "矩形剪切弹簧", "Rectangular shear Spring", "Form48"},
    {"RCLL", "rcl", "一般弹簧热处理", "Normal spring heat", "Form19"},
    {"RCLL", "LHRCL", "拉簧热处理变化", "Tenspring heat changes", "Form20"},
    {"zlgj", "yhsj", "压簧设计资料", "Compression Spring Design Data", "Form25"},
    {"zlgj", "nhsj", "扭簧设计资料", "Torstion Spring Design Data", "Form27"},
    {"zlgj", "lhsj", "拉簧设计资料", "Tenstion Spring Design Data", "Form26"},
    {"zlgj", "sm1", nullptr, nullptr, ""},
    {"zlgj", "ylpl", "压缩拉伸疲劳寿命图", "Com & Ten Fatigue life diagram", "Form137"},
    {"zlgj", "nzpl", "扭转弹簧疲劳寿命图", "Torsion Fatigue life diagram", "Form138"},
    {"zlgj", "hg51", nullptr, nullptr, ""},
    {"zlgj", "swc", "碳素钢号对照表", "Carbon Steel sheet", "Form28"},
    {"zlgj", "sus", "不锈钢号对照表", "Stainless Steel sheet", "Form29"},
    {"zlgj", "klqd", "钢丝抗拉强度表", "Tensile strength of steel wire", "Form56"},
    {"zlgj", "hg52_3", nullptr, nullptr, ""},
    {"zlgj", "cyunit", "常用符号和单位", "Commonly used symbols & units", "Form30"},
    {"zlgj", "lc", "弹簧制造流程图", "Spring Produce flow chart", "Form31"},
    {"zlgj", "rclbz", "弹簧热处理标准", "spring heat treatment standard", "Form32"},
    {"zlgj", "rbgc", "日本JIS公差标准", "Japan JIS standard tolerances", "Form14"},
    {"about", "gy", "关于弹簧设计2020", "About Spring Design 2020", "Form49"},
    {"about", "qwz", "去网站看看", "Go to the website to have a look", "program"},
    {"about", "help", "帮助文件help", "Help File", "program"},
    {"PopMenu", "ybh", "一般簧重量计算", "General spring weight", "Form2"},
    {"PopMenu", "thzl", "塔形压簧重量", "Conical Spring weight", "Form40"},
    {"PopMenu", "spbj", "弹簧报价系统", "Spring Quotation System", "Form7"},
    {"PopMenu", "hg10", nullptr, nullptr, ""},
    {"PopMenu", "yh", "圆柱压力簧计算", "Compress Spring CalC", "Form8"},
    {"PopMenu", "lh", "圆柱拉力簧计算", "Tenstion Spring CalC", "Form10"},
    {"PopMenu", "nh", "圆柱扭力簧计算", "Torstion Spring CalC", "Form9"},
    {"PopMenu", "yzjmth", "圆柱截面塔形簧", "Conical Spring CalC", "Form13"},
    {"PopMenu", "hg11", nullptr, nullptr, ""},
    {"PopMenu", "zxh", "最小化窗体", "Minimized Window", "program"},
    {"PopMenu", "qllj", "清理系统垃圾", "Garbage clean-up system", "Form63"},
    {"PopMenu", "sfyj2", "收发邮件", "Send & Receive mail", ""},
    {"PopMenu", "hg12", nullptr, nullptr, ""},
    {"PopMenu", "kscq", "快速重启电脑", "Quick restart PC", "Form54"},
    {"PopMenu", "dshj", "电脑定时关机", "PC shutdown Ontime", "Form60"},
    {"PopMenu", "ksgj", "电脑快速关机", "Fast shutdown", "Form53"},
    {"PopMenu", "tc", "退出软件", "Exit the software", "exit"},
};

struct ToolbarRow {
    int index;
    const char* zhCN;
    const char* enUS;
    const char* target;
};

// Buttons 1 and 2 join two texts without a blank between them.
const std::vector<ToolbarRow> toolbarRows = {
    {1, "一般弹簧重量计算", "Normal SpringWeight Calc", "Form2"},
    {2, "塔形弹簧重量计算", "Conical SpringWeight Calc", "Form40"},
    {3, "弹簧报价系统", "Spring quotation ", "Form7"},
    {4, "弹簧报价向导", "Spring quote wizard", "Form117"},
    {5, "压簧设计向导", "Compression Spring Design Wizard", "Form90"},
    {6, "扭簧设计向导", "Torstion Spring Design Wizard", "Form108"},
    {7, "拉簧设计向导", "Tenstion Spring Design Wizard", "Form99"},
    {8, "压缩弹簧设计(H1.P1.H2.P2)", "Compression Spring Design(H1.P1.H2.P2)", "Form131"},
    {9, "扭转弹簧设计", "Torstion Spring Design ", "Form132"},
    {10, "拉伸弹簧设计", "Tenstion Spring Design", "Form130"},
    {11, "扭簧芯轴计算", "TorSpring mandrel Calculation", "Form89"},
    {12, "中凸压簧计算", "Barrel shaped Sp Calculation", "Form35"},
    {13, "中凹弹簧计算", "Hourglass shaped Sp Calculation", "Form84"},
    {14, "2段变节距压簧", "2 variable pitch Spring Calc", "Form73"},
    {15, "小端小节距塔簧", "Small End section Conical Sp", "Form74"},
    {16, "小端大节距塔簧", "Small End large pitch Conical Sp", "Form75"},
    {17, "中凸变节距弹簧", "Barrel shaped variable pitch Sp", "Form76"},
    {18, "扁形弹簧计算", "Flat Spring Calculation", "Form124"},
    {19, "方形弹簧计算", "Spring Square Calculation", "Form81"},
    {20, "椭圆弹簧计算", "Elliptic helical Spring CalC", "Form82"},
    {21, "卵形弹簧计算", "Egg appear helix helical CalC", "Form83"},
    {22, "单片碟形弹簧计算", "Monolithic disc Sp Calculation", "Form126"},
    {23, "波形弹簧计算", "wave Spring Calculation", "Form88"},
};

struct HotSpotRow {
    const char* control;
    QRect twips;
    const char* zhCN; // nullptr: no tooltip
    const char* enUS;
    const char* target;
};

// Label6 and Label8 carry the captions of the two-point designers while they open the
// standard-based ones.
const std::vector<HotSpotRow> hotSpotRows = {
    {"Label2", {480, 2520, 1455, 1695}, "压力弹簧计算", "Pressure Spring Calculation", "Form8"},
    {"Label3", {480, 4320, 1335, 1455}, "扭力弹簧计算", "Torsion Spring Calculation", "Form9"},
    {"Label4", {480, 6000, 1455, 1575}, "拉力弹簧计算", "Pull Spring Calculation", "Form10"},
    {"Label5", {360, 7800, 1575, 1575}, "塔形弹簧计算", "Conical Spring Calculation", "Form13"},
    {"Label6",
     {13080, 2400, 2055, 1695},
     "压缩弹簧设计(H1.P1.H2.P2)",
     "Compression Spring Design(H1.P1.H2.P2)",
     "Form65"},
    {"Label7", {13200, 4320, 1575, 1575}, "扭转弹簧设计(JIS)", "Torstion Spring Design JIS", "Form66"},
    {"Label8", {13080, 6000, 1935, 1695}, "拉伸弹簧设计", "Tenstion Spring Design", "Form67"},
    {"Label9", {12840, 7560, 2055, 1815}, "塔形弹簧设计(JIS)", "Conical Spring Design JIS", "Form68"},
    {"Label11", {4800, 7680, 4095, 1215}, nullptr, nullptr, "program"},
};

QString expected(const char* zhCN, const char* enUS, Language language) {
    return QString::fromUtf8(language == Language::EnUS ? enUS : zhCN);
}

QString targetName(const commands::Target& target) {
    switch (target.kind) {
    case commands::Target::Window:
        return QString::fromLatin1(target.name);
    case commands::Target::Program:
        return QStringLiteral("program");
    case commands::Target::Exit:
        return QStringLiteral("exit");
    case commands::Target::Nothing:
        break;
    }
    return {};
}

class CommandListTest : public ShellTest, public ::testing::WithParamInterface<Language> {};

} // namespace

TEST_P(CommandListTest, MenuBarAndMenusShowEveryCaptionInOrder) {
    StringTable::setLanguage(GetParam());
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);

    auto* bar = form->findChild<QMenuBar*>(QStringLiteral("MenuBar"));
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> barActions = bar->actions();
    ASSERT_EQ(barActions.size(), static_cast<qsizetype>(barRows.size()));
    for (size_t i = 0; i < barRows.size(); ++i) {
        const MenuRow& row = barRows[i];
        QAction* entry = barActions[static_cast<qsizetype>(i)];
        const QString name = entry->menu() ? entry->menu()->objectName() : entry->objectName();
        EXPECT_EQ(name, QString::fromLatin1(row.control)) << "bar position " << i + 1;
        EXPECT_EQ(entry->text(), expected(row.zhCN, row.enUS, GetParam())) << row.control;
    }

    // Every menu and the popup menu: controls in display order, captions, separators.
    QMap<QString, QStringList> expectedOrder;
    for (const MenuRow& row : itemRows)
        expectedOrder[QString::fromLatin1(row.menu)].append(QString::fromLatin1(row.control));
    for (auto it = expectedOrder.cbegin(); it != expectedOrder.cend(); ++it) {
        QMenu* menu = form->menu(it.key());
        ASSERT_NE(menu, nullptr) << qPrintable(it.key());
        QStringList shown;
        for (QAction* a : menu->actions())
            shown.append(a->objectName());
        EXPECT_EQ(shown, it.value()) << qPrintable(it.key());
    }
    for (const MenuRow& row : itemRows) {
        QAction* item = action(form, QString::fromLatin1(row.control));
        ASSERT_NE(item, nullptr) << row.control;
        if (!row.zhCN) {
            EXPECT_TRUE(item->isSeparator()) << row.control;
            continue;
        }
        EXPECT_FALSE(item->isSeparator()) << row.control;
        EXPECT_EQ(item->text(), expected(row.zhCN, row.enUS, GetParam())) << row.control;
    }
    // The popup menu never appears on the bar and keeps its design-time caption.
    EXPECT_EQ(form->menu(QStringLiteral("PopMenu"))->title(), QStringLiteral("PopMenu"));
    for (QAction* a : barActions)
        EXPECT_NE(a->menu(), form->menu(QStringLiteral("PopMenu")));
}

TEST_P(CommandListTest, ToolbarButtonsShowTheirTooltips) {
    StringTable::setLanguage(GetParam());
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    auto* toolbar = form->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    ASSERT_NE(toolbar, nullptr);
    ASSERT_EQ(toolbar->actions().size(), 23);
    for (const ToolbarRow& row : toolbarRows) {
        QAction* button = toolbar->actions().at(row.index - 1);
        EXPECT_EQ(button->objectName(), QStringLiteral("Toolbar1_%1").arg(row.index));
        EXPECT_EQ(button->toolTip(), expected(row.zhCN, row.enUS, GetParam())) << "button " << row.index;
        EXPECT_TRUE(button->text().isEmpty()) << "button " << row.index;
        EXPECT_FALSE(button->icon().isNull()) << "button " << row.index;
        EXPECT_EQ(commands::toolbarTarget(row.index), QString::fromLatin1(row.target))
            << "button " << row.index;
    }
}

TEST_P(CommandListTest, HotSpotsLieOverThePictureWithTheirTooltips) {
    StringTable::setLanguage(GetParam());
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    for (const HotSpotRow& row : hotSpotRows) {
        auto* spot = form->findChild<QLabel*>(QString::fromLatin1(row.control));
        ASSERT_NE(spot, nullptr) << row.control;
        const QRect& t = row.twips;
        EXPECT_EQ(spot->geometry(), QRect(qRound(t.x() / 15.0), qRound(t.y() / 15.0),
                                          qRound(t.width() / 15.0), qRound(t.height() / 15.0)))
            << row.control;
        EXPECT_EQ(spot->toolTip(), row.zhCN ? expected(row.zhCN, row.enUS, GetParam()) : QString())
            << row.control;
        EXPECT_EQ(spot->cursor().shape(), Qt::BitmapCursor) << row.control;
        EXPECT_EQ(targetName(commands::targetOf(QString::fromLatin1(row.control))),
                  QString::fromLatin1(row.target))
            << row.control;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, CommandListTest, ::testing::Values(Language::ZhCN, Language::EnUS),
                         [](const auto& info) {
                             return info.param == Language::EnUS ? std::string("enUS") : std::string("zhCN");
                         });

TEST(CommandTargets, EveryEntryNamesTheWindowOrCommandItLeadsTo) {
    for (const MenuRow& row : barRows)
        EXPECT_EQ(targetName(commands::targetOf(QString::fromLatin1(row.control))),
                  QString::fromLatin1(row.target))
            << row.control;
    for (const MenuRow& row : itemRows) {
        if (!row.zhCN)
            continue;
        EXPECT_EQ(targetName(commands::targetOf(QString::fromLatin1(row.control))),
                  QString::fromLatin1(row.target))
            << row.control;
    }
    // Program commands are looked up under their own control names.
    for (const char* name : {"jsq", "note", "qlxtlj", "sfyj", "min", "zxh", "help", "qwz", "Label11"}) {
        const commands::Target target = commands::targetOf(QString::fromLatin1(name));
        EXPECT_EQ(target.kind, commands::Target::Program) << name;
        EXPECT_STREQ(target.name, name);
    }
    EXPECT_EQ(commands::targetOf(QStringLiteral("hg52_3")).kind, commands::Target::Nothing);
    EXPECT_EQ(commands::targetOf(QStringLiteral("noSuchControl")).kind, commands::Target::Nothing);
    EXPECT_TRUE(commands::toolbarTarget(0).isEmpty());
    EXPECT_TRUE(commands::toolbarTarget(24).isEmpty());
}

using CommandDispatchTest = ShellTest;

TEST_F(CommandDispatchTest, EveryEntryOfTheSameWindowShowsTheOneInstance) {
    registerStandIn(QStringLiteral("Form8"));
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);

    action(form, QStringLiteral("ylth"))->trigger();
    FormBase* first = FormRegistry::find(QStringLiteral("Form8"));
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());

    action(form, QStringLiteral("yh"))->trigger();
    form->runCommand(QStringLiteral("Label2"));
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form8")), first);
    EXPECT_EQ(FormRegistry::loaded().count(first), 1);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(CommandDispatchTest, ToolbarButtonsShowTheirWindowAndOtherIndexesDoNothing) {
    registerStandIn(QStringLiteral("Form2"));
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    const auto before = FormRegistry::loaded();
    form->toolbarClick(0);
    form->toolbarClick(24);
    EXPECT_EQ(FormRegistry::loaded(), before);

    action(form, QStringLiteral("Toolbar1_1"))->trigger();
    FormBase* weight = FormRegistry::find(QStringLiteral("Form2"));
    ASSERT_NE(weight, nullptr);
    action(form, QStringLiteral("ybth"))->trigger();
    action(form, QStringLiteral("ybh"))->trigger();
    EXPECT_EQ(FormRegistry::find(QStringLiteral("Form2")), weight);
}

TEST_F(CommandDispatchTest, WindowsNotBuiltYetAreSkippedQuietly) {
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    QString missing;
    for (const MenuRow& row : itemRows)
        if (row.zhCN && QByteArray(row.target).startsWith("Form") &&
            !FormRegistry::isRegistered(QString::fromLatin1(row.target))) {
            missing = QString::fromLatin1(row.control);
            break;
        }
    if (missing.isEmpty())
        GTEST_SKIP() << "every window of the command list exists";
    const auto before = FormRegistry::loaded();
    action(form, missing)->trigger();
    EXPECT_EQ(FormRegistry::loaded(), before);
    EXPECT_TRUE(prompts().requests.isEmpty());
}

TEST_F(CommandDispatchTest, ProgramCommandsRunByNameAndUnknownOnesDoNothing) {
    Form1* form = openMain();
    ASSERT_NE(form, nullptr);
    const ProgramCommands::Command previousCalc = ProgramCommands::find(QStringLiteral("jsq"));
    const ProgramCommands::Command previousMail = ProgramCommands::find(QStringLiteral("sfyj"));
    const ProgramCommands::Command previousWeb = ProgramCommands::find(QStringLiteral("Label11"));
    QStringList ran;
    QList<QWidget*> owners;
    auto recorder = [&](const QString& name) {
        return [&, name](QWidget* mainWindow) {
            ran.append(name);
            owners.append(mainWindow);
        };
    };
    ProgramCommands::registerCommand(QStringLiteral("jsq"), recorder(QStringLiteral("jsq")));
    ProgramCommands::registerCommand(QStringLiteral("sfyj"), recorder(QStringLiteral("sfyj")));
    ProgramCommands::registerCommand(QStringLiteral("Label11"), recorder(QStringLiteral("Label11")));

    action(form, QStringLiteral("jsq"))->trigger();
    // The popup menu's mail entry does nothing, even with a mail command in place.
    action(form, QStringLiteral("sfyj2"))->trigger();
    action(form, QStringLiteral("sfyj"))->trigger();
    form->runCommand(QStringLiteral("Label11"));
    // Nobody registered these in this test program: nothing happens.
    const bool helpRegistered = ProgramCommands::isRegistered(QStringLiteral("help"));

    ProgramCommands::registerCommand(QStringLiteral("jsq"), previousCalc);
    ProgramCommands::registerCommand(QStringLiteral("sfyj"), previousMail);
    ProgramCommands::registerCommand(QStringLiteral("Label11"), previousWeb);

    EXPECT_EQ(ran, (QStringList{"jsq", "sfyj", "Label11"}));
    for (QWidget* owner : owners)
        EXPECT_EQ(owner, form);
    EXPECT_FALSE(ProgramCommands::run(QStringLiteral("noSuchCommand"), form));
    if (!helpRegistered) {
        EXPECT_FALSE(ProgramCommands::run(QStringLiteral("help"), form));
    }
    EXPECT_TRUE(prompts().requests.isEmpty());
}
