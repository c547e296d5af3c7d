#include "app/MenuCommands.h"

#include "app/TForm1.h"
#include "history/TDatabase.h"
#include "settings/TOptions.h"

#include <QCoreApplication>

namespace {

using L = MainWindowLayout;
using C = operations::Command;
using enum Availability;
using enum MenuId;

constexpr std::optional<C> NoDeviceCommand = std::nullopt;
constexpr bool Separated = true;
constexpr bool Hidden = false;

const MenuOfCommands Menus[] = {
    {File, "File1", QT_TRANSLATE_NOOP("MainWindowLayout", "File"), &L::File1},
    {Initialization, "Initialization1", QT_TRANSLATE_NOOP("MainWindowLayout", "Initialization"), &L::Initialization1},
    {Configuration, "Configuration1", QT_TRANSLATE_NOOP("MainWindowLayout", "Configuration"), &L::Configuration1},
    {Service, "Service1", QT_TRANSLATE_NOOP("MainWindowLayout", "Service"), &L::Service1},
    {View, "View1", QT_TRANSLATE_NOOP("MainWindowLayout", "View"), &L::View1},
    {Bar, nullptr, nullptr, nullptr},
    {Help, "Help1", QT_TRANSLATE_NOOP("MainWindowLayout", "Help"), &L::Help1},
};

const MenuCommand Commands[] = {
    {"Menu1", QT_TRANSLATE_NOOP("MainWindowLayout", "Open"), File, &L::Menu1, [](TForm1& w) { w.OpenFileClick(); }},
    {"Uloz", QT_TRANSLATE_NOOP("MainWindowLayout", "Save"), File, &L::Uloz, [](TForm1& w) { w.UlozClick(); },
     WithDevice},
    {"TiskniPreview", QT_TRANSLATE_NOOP("MainWindowLayout", "Print Preview"), File, &L::TiskniPreview,
     [](TForm1& w) { w.TiskniPreviewClick(); }, WithDevice, NoDeviceCommand, Separated},
    {"Tiskni", QT_TRANSLATE_NOOP("MainWindowLayout", "Print"), File, &L::Tiskni, [](TForm1& w) { w.TiskniClick(); },
     WithDevice},
    {"Konec1", QT_TRANSLATE_NOOP("MainWindowLayout", "Exit"), File, &L::Konec1, [](TForm1& w) { w.Konec1Click(); },
     Always, NoDeviceCommand, Separated},

    {"Inicializaceoznaenm1", QT_TRANSLATE_NOOP("MainWindowLayout", "Initialization by Tag"), Initialization,
     &L::Inicializaceoznaenm1, [](TForm1& w) { w.service.Inicializaceoznaenm1Click(); }, Always,
     C::InitializationByTag},
    {"Inicializacedotazovacadresou1", QT_TRANSLATE_NOOP("MainWindowLayout", "Initialization by Address"),
     Initialization, &L::Inicializacedotazovacadresou1,
     [](TForm1& w) { w.service.Inicializacedotazovacadresou1Click(); }, Always, C::InitializationByAddress},
    {"ScanLoop", QT_TRANSLATE_NOOP("MainWindowLayout", "Scan Loop..."), Initialization, &L::ScanLoop,
     [](TForm1& w) { w.ScanLoopClick(); }, Always, C::ScanLoop, Separated},

    {"NastaveniPocatku", QT_TRANSLATE_NOOP("MainWindowLayout", "Lower Range Value"), Configuration,
     &L::NastaveniPocatku, [](TForm1& w) { w.service.NastaveniPocatkuClick(); }, WithDevice, C::LowerRangeValue},
    {"NastaveniKonce", QT_TRANSLATE_NOOP("MainWindowLayout", "Upper Range Value"), Configuration, &L::NastaveniKonce,
     [](TForm1& w) { w.service.NastaveniKonceClick(); }, WithDevice, C::UpperRangeValue},
    {"NulovaniCidla", QT_TRANSLATE_NOOP("MainWindowLayout", "Sensor Zeroing"), Configuration, &L::NulovaniCidla,
     [](TForm1& w) { w.service.NulovaniCidlaClick(); }, WithDevice, C::SensorZeroing},
    {"ZmenaAdresy", QT_TRANSLATE_NOOP("MainWindowLayout", "Address Changing"), Configuration, &L::ZmenaAdresy,
     [](TForm1& w) { w.service.ZmenaAdresyClick(); }, WithDevice, C::AddressChanging},
    {"DetailedSetupMenu", QT_TRANSLATE_NOOP("MainWindowLayout", "Detailed Setup"), Configuration, &L::DetailedSetupMenu,
     [](TForm1& w) { w.DetailedSetupMenuClick(); }, WithDevice, NoDeviceCommand, false, 0, Hidden},
    {"NavratHodnotm1", QT_TRANSLATE_NOOP("MainWindowLayout", "Back to Initial Values"), Configuration,
     &L::NavratHodnotm1, [](TForm1& w) { w.writing.NavratHodnotm1Click(); }, WithInitialValues, C::BackToInitialValues,
     Separated},

    {"TestPristroje", QT_TRANSLATE_NOOP("MainWindowLayout", "Device Test"), Service, &L::TestPristroje,
     [](TForm1& w) { w.service.TestPristrojeClick(); }, WithDevice, C::DeviceTest},
    {"ResetPristroje", QT_TRANSLATE_NOOP("MainWindowLayout", "Device Reset"), Service, &L::ResetPristroje,
     [](TForm1& w) { w.service.ResetPristrojeClick(); }, WithDevice, C::DeviceReset},
    {"NulujPriznakm1", QT_TRANSLATE_NOOP("MainWindowLayout", "Clear Configuration Changed Flag"), Service,
     &L::NulujPriznakm1, [](TForm1& w) { w.service.NulujPriznakm1Click(); }, WithDevice,
     C::ClearConfigurationChangedFlag},
    {"Writefinalassemblynumber1", QT_TRANSLATE_NOOP("MainWindowLayout", "Write Final Assembly Number"), Service,
     &L::Writefinalassemblynumber1, [](TForm1& w) { w.service.Writefinalassemblynumber1Click(); }, WithDevice,
     C::WriteFinalAssemblyNumber},
    {"FixovaniVystupnihoProudu", QT_TRANSLATE_NOOP("MainWindowLayout", "Enter Fixed Output Status (LoopTest)"), Service,
     &L::FixovaniVystupnihoProudu, [](TForm1& w) { w.service.FixovaniVystupnihoProuduClick(); }, WithDevice,
     C::EnterFixedOutput, Separated},
    {"Zrusfixovaniproudu", QT_TRANSLATE_NOOP("MainWindowLayout", "Exit Fixed Output Status"), Service,
     &L::Zrusfixovaniproudu, [](TForm1& w) { w.service.ZrusfixovaniprouduClick(); }, WithDevice, C::ExitFixedOutput},
    {"Trimovani4mA", QT_TRANSLATE_NOOP("MainWindowLayout", "Trim DAC Lower Output Value"), Service, &L::Trimovani4mA,
     [](TForm1& w) { w.service.Trimovani4mAClick(); }, WithDevice, C::TrimLowerOutput, Separated},
    {"Trimovani20mA", QT_TRANSLATE_NOOP("MainWindowLayout", "Trim DAC Upper Output Value"), Service, &L::Trimovani20mA,
     [](TForm1& w) { w.service.Trimovani20mAClick(); }, WithDevice, C::TrimUpperOutput},
    {"NastaveniBURSTfunkce", QT_TRANSLATE_NOOP("MainWindowLayout", "Set Burst Function"), Service,
     &L::NastaveniBURSTfunkce, [](TForm1& w) { w.service.NastaveniBURSTfunkceClick(); }, WithDevice,
     C::SetBurstFunction, Separated},
    {"ZapnutiBURSTmodu", QT_TRANSLATE_NOOP("MainWindowLayout", "Enter Burst Mode"), Service, &L::ZapnutiBURSTmodu,
     [](TForm1& w) { w.service.ZapnutiBURSTmoduClick(); }, WithDevice, C::EnterBurstMode},
    {"VypnutiBURSTmodu", QT_TRANSLATE_NOOP("MainWindowLayout", "Exit Burst mode"), Service, &L::VypnutiBURSTmodu,
     [](TForm1& w) { w.service.VypnutiBURSTmoduClick(); }, WithDevice, C::ExitBurstMode},
    {"CalibrationCheck", QT_TRANSLATE_NOOP("MainWindowLayout", "Calibration Check..."), Service, &L::CalibrationCheck,
     [](TForm1& w) { w.CalibrationCheckClick(); }, WithDevice, std::nullopt, Separated},

    {"MenuTrend", QT_TRANSLATE_NOOP("MainWindowLayout", "Trend"), View, &L::MenuTrend,
     [](TForm1& w) { w.MenuTrendClick(); }},

    {"MenuHistory", QT_TRANSLATE_NOOP("MainWindowLayout", "History"), Bar, &L::MenuHistory,
     [](TForm1& w) {
         if (w.Database) w.Database->MenuHistoryClick(w.HistoryRefresh);
     },
     WithHistoryLog},
    {"Options1", QT_TRANSLATE_NOOP("MainWindowLayout", "Options"), Bar, &L::Options1,
     [](TForm1& w) {
         if (w.Options) w.Options->Options1Click();
     }},

    {"Obsah1", QT_TRANSLATE_NOOP("MainWindowLayout", "Contents"), Help, &L::Obsah1, [](TForm1& w) { w.Obsah1Click(); },
     Always, NoDeviceCommand, false, Qt::Key_F1},
    {"Oprogramu1", QT_TRANSLATE_NOOP("MainWindowLayout", "About ..."), Help, &L::Oprogramu1,
     [](TForm1& w) { w.Oprogramu1Click(); }},
};

} // namespace

std::span<const MenuOfCommands> menusOfCommands() { return Menus; }

std::span<const MenuCommand> menuCommands() { return Commands; }
