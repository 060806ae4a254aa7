#include <QDate>
#include <cstdint>
#include <string>

#include "engine/hand_log.h"
#include "engine/model/game_trace.h"
#include "engine/model/state/hand_state.h"
#include "engine/model/state/run_flags.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/settings/player_settings.h"

namespace {

std::string NumberLine(const std::string& label, int32_t value) {
    return label + (value < 0 ? "" : " ") + std::to_string(value) + " \r\n";
}

int32_t UndoSuit(int32_t suit) {
    return suit <= -100 ? -suit - 100 : suit;
}

int32_t UndoRank(int32_t rank) {
    if (rank <= -100) return -rank - 100;
    return rank < 0 ? -rank - 1 : rank;
}

std::string CardsPlayedLine() {
    std::string line = "CardsPlayed: ";
    for (size_t i = 0; i < 25; ++i) {
        if (i > 0) line += ", ";
        line += std::to_string(hand.CardsPlayed[i]);
    }
    return line + "\r\n";
}

std::string TrkLine() {
    std::string line = "Trk: ";
    for (const int32_t entry : hand.Trk) line += std::to_string(entry) + ", ";
    return line + "\r\n";
}

std::string HandsLine() {
    std::string line = "Hands: ";
    for (const auto& seat : hand.DealtHands) {
        for (size_t slot = 0; slot < 5; ++slot) {
            line += std::to_string(UndoSuit(seat[slot][kSuitPlane])) + ", " +
                    std::to_string(UndoRank(seat[slot][kRankPlane])) + ",  ";
        }
    }
    line.resize(line.size() - 2);
    return line + " 99\r\n";
}

}  // namespace

std::string Misc::AnalysisLogPath() {
    return paths.DataFolder + "/KavlorHandAnalysis.log";
}

std::string Misc::ErrorLogPath() {
    return paths.DataFolder + "/KavlorError.Log";
}

std::string Misc::HandLogText(int mode) {
    const std::string header =
        mode == kErrorLogMode ? "Error in MainLogic. " : "Hand Information for Analysis. ";
    std::string text = header + QDate::currentDate().toString("M/d/yyyy").toStdString() + "\r\n";
    text += NumberLine("Stat0:", flags.Stat0) + NumberLine("Stat1:", flags.Stat1) +
            NumberLine("Stat2:", flags.Stat2) + NumberLine("Stat3:", flags.Stat3) +
            NumberLine("Stat4:", flags.Stat4);
    text += NumberLine("Opts1:", settings.Opts1) + NumberLine("Opts2:", settings.Opts2) +
            NumberLine("Opts3:", settings.Opts3) + NumberLine("Opts4:", settings.Opts4);
    text += NumberLine("Dev0:", settings.Development0) + NumberLine("GenInf:", hand.GenInf) +
            NumberLine("CardUp:", hand.CardUp) + NumberLine("SutOutInf:", hand.SutOutInf) +
            NumberLine("SutLedInf:", hand.SutLedInf);
    text += CardsPlayedLine();
    text += NumberLine("NibCounter:", hand.NibCounter) + NumberLine("LoopSaver:", hand.LoopSaver) +
            NumberLine("Tricks:", hand.Tricks);
    text += TrkLine();
    text += NumberLine("Leader:", hand.Leader) + NumberLine("Kind:", settings.Kind) +
            NumberLine("Partner:", settings.Partner) + NumberLine("Score:", hand.Score) +
            NumberLine("WhoPlayed:", hand.WhoPlayed) + NumberLine("Leader:", hand.Leader);
    return text + HandsLine();
}

void Misc::WriteHandLog(int mode) {
    const std::string path = mode == kErrorLogMode ? ErrorLogPath() : AnalysisLogPath();
    if (!WriteFileAtomically(path, HandLogText(mode)))
        Misc::Trace("The hand could not be written to " + path);
}
