// Pikora — a picture and word drill game. SPDX-License-Identifier: GPL-3.0-or-later
#include "SetupLogic.h"

#include "game/GameContext.h"
#include "game/Rounds.h"
#include "game/TimeText.h"

#include <cerrno>

#include <QCoreApplication>

namespace pikora {

namespace {

const std::string folderPrefix = std::string(pictureFolder) + "\\";

} // namespace

void ShowSetupWindow(GameContext& context, SetupFields& fields)
{
    auto& platform = context.platform;
    if (!platform.createWindow(Window::Setup)) {
        return;
    }
    const auto& settings = context.settings;
    // A negative stored option still plays as set, but shows unchecked here.
    fields.fourChoices = settings.field4 > 0 ? 1 : 0;
    fields.showSpelling = settings.spell > 0 ? 1 : 0;
    fields.hideWrongButtons = settings.hideButtons != 0 ? 1 : 0;
    FillPictureList(platform, fields);
    fields.useTimer = settings.useTimer != 0 ? 1 : 0;
    fields.useWords = settings.useWords != 0 ? 1 : 0;
    fields.maxTimeText = FormatHms(settings.maxTimer);
    platform.pushFields(Window::Setup);
    platform.showWindow(Window::Setup, true);
}

void FillPictureList(PlatformServices& platform, SetupFields& fields)
{
    auto& pictures = fields.pictures;
    pictures.clear();
    const auto files = platform.findFiles(folderPrefix + "*.bmp");
    if (files.empty()) {
        //: A message box: the picture folder holds no picture.
        platform.messageBox(QCoreApplication::translate("setup", "Load Pictures").toStdString());
        return;
    }
    pictures.reserve(files.size());
    for (const auto& file : files) {
        // A name holding '\' cannot be addressed: its mark would land on another file.
        if (isAddressablePictureName(file.name)) {
            pictures.push_back({ stemOf(file.name), !file.hidden, !file.hidden });
        }
    }
}

void ApplyPictureSelection(PlatformServices& platform, const SetupFields& fields)
{
    //: A message box: a picture could not be taken out of play or put back; %d is the
    //: system's error number.
    const QString format = QCoreApplication::translate("setup", "%d oops");
    const auto oops = [&](int error) {
        platform.messageBox(
            QString(format).replace(QLatin1String("%d"), QString::number(error)).toStdString());
    };
    std::vector<HiddenMark> marks;
    for (const auto& item : fields.pictures) {
        if (item.checked == item.shown) {
            continue;
        }
        const std::string path = folderPrefix + item.label + ".bmp";
        // A path over the bound is refused like a missing file, never cut to name another.
        if (path.size() > pathBound) {
            oops(ENAMETOOLONG);
            continue;
        }
        marks.push_back({ path, !item.checked, 0 });
    }
    if (marks.empty()) {
        return;
    }
    // One message for the list that could not be written, one for each picture that could
    // not be marked.
    if (const int listError = platform.writeHiddenMarks(marks); listError != 0) {
        oops(listError);
    }
    for (const auto& mark : marks) {
        if (mark.error != 0) {
            oops(mark.error);
        }
    }
}

void SetupOk(GameContext& context, SetupFields& fields)
{
    auto& platform = context.platform;
    auto& settings = context.settings;
    platform.pullFields(Window::Setup);
    const GameSettings shown = settings;
    settings.field4 = fields.fourChoices == 1 ? 1 : 0;
    settings.spell = fields.showSpelling == 1 ? 1 : 0;
    settings.hideButtons = fields.hideWrongButtons != 0 ? 1 : 0;
    settings.useTimer = fields.useTimer != 0 ? 1 : 0;
    settings.useWords = fields.useWords != 0 ? 1 : 0;
    settings.maxTimer = ParseHms(fields.maxTimeText);
    // Only what this window changed: another program's saves since it opened stay.
    SaveChangedSettings(context, shown);
    ApplyPictureSelection(platform, fields);
    // After time-up the game stays finished: the main window takes no input and its report
    // stands, so a new round there could never be answered. The options and marks saved
    // above apply from the next start.
    if (!context.clock.timeIsUp) {
        context.clock.remainingSeconds = settings.maxTimer;
        BuildCatalog(context.catalog, platform);
        ApplyModeVisibility(context);
        StartNewRound(context);
    }
    platform.pullFields(Window::Setup);
    platform.showWindow(Window::Setup, false);
}

void SetupCancel(PlatformServices& platform)
{
    platform.showWindow(Window::Setup, false);
}

} // namespace pikora
