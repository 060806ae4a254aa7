// Saves pictures of one demonstration hand at two scales into the given folder: after
// the deal, during the calling, in the middle of the tricks, at the scoring and at the
// hand review, as demo-<scale>-<stage>.png.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/tables_loader.h"
#include "platform/colors.h"
#include "platform/fonts.h"
#include "platform/random_source.h"
#include "render/cards/card_images.h"
#include "render/screen_scale.h"
#include "support/game_driver.h"
#include "table_texts.h"
#include "ui/frm_main.h"

namespace {

std::string ReadFile(const char* path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The game's texts as the build appends them to the program file.
void LoadTexts(const char* tablesFile) {
    std::string tail;
    for (const std::string& line : StoredTableLines(ParseTableTexts(ReadFile(tablesFile)).texts)) {
        tail += line + "\r\n";
    }
    KavlorMain::FillTables(tail);
}

// A picture of one colour is a table that was never drawn.
bool Blank(const QImage& picture) {
    const QRgb first = picture.pixel(0, 0);
    for (int y = 0; y < picture.height(); y += 3) {
        for (int x = 0; x < picture.width(); x += 3) {
            if (picture.pixel(x, y) != first) return false;
        }
    }
    return true;
}

// Which step, having run, shows a stage; the tricks are taken at the second card of
// the third trick, the review is asked for once the hand is scored.
struct StageWatch {
    std::map<std::string, bool> taken;
    int cardsPlayed = 0;

    std::string StageAfter(int32_t step) {
        if (step == 10210) ++cardsPlayed;
        if (step == 11100) SetBit(flags.Stat1, Stat1Bits::ReviewRequested);
        const std::string stage = step == 1250                         ? "deal"
                                  : step == 2500                       ? "calling"
                                  : step == 10210 && cardsPlayed == 10 ? "tricks"
                                  : step == 11100                      ? "scoring"
                                  : step == 1100                       ? "review"
                                                                       : "";
        if (stage.empty() || taken[stage]) return "";
        taken[stage] = true;
        return stage;
    }
};

bool ShootDemoHand(float factor, const QString& folder, const char* tablesFile) {
    GameDriver game;
    SeededRandom random(11);
    InstallRandomSource(&random);
    scale = {};
    scale.ScaleFactor = factor;
    if (!KavlorMain::ApplyDisplayScaleOn({2560, 1600, 96, 96})) return false;
    CardImages.SetResolution(scale.ScaleBand + 1);
    CardImages.LoadAll();
    LoadTexts(tablesFile);
    Misc::SetNinePointWords();
    flow.Ptrg = 0;
    frmMain window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    SetBit(flags.Stat1, Stat1Bits::ComputerDecidesSouth);

    StageWatch watch;
    bool ok = true;
    GamePlay::InstallStepObserver([&](int32_t step) {
        const std::string stage = watch.StageAfter(step);
        if (stage.empty()) return;
        const QImage picture = window.grab().toImage();
        const QString file = folder + QString("/demo-%1-%2.png")
                                          .arg(static_cast<double>(factor), 0, 'f', 1)
                                          .arg(QString::fromStdString(stage));
        if (Blank(picture) || !picture.save(file)) {
            std::printf("could not save a picture of %s: %s\n", stage.c_str(),
                        file.toLocal8Bit().constData());
            ok = false;
        } else {
            std::printf("saved %s\n", file.toLocal8Bit().constData());
        }
        if (stage == "review") flow.QuitNow = true;
    });
    flow.Ptrg = 1;
    flow.InputOpen = true;
    for (int calls = 0; calls < 200 && !flow.QuitNow; ++calls) game.Click();
    GamePlay::InstallStepObserver({});
    InstallRandomSource(nullptr);
    for (const char* stage : {"deal", "calling", "tricks", "scoring", "review"}) {
        if (!watch.taken[stage]) {
            std::printf("the hand never showed the %s\n", stage);
            ok = false;
        }
    }
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 4) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    APIs::AddFont(argv[3]);
    bool ok = true;
    for (float factor : {1.0f, 1.9f}) ok = ShootDemoHand(factor, folder, argv[2]) && ok;
    return ok ? 0 : 1;
}
