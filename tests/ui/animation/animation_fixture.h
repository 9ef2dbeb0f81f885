// Shared set-up of the animation window tests: linkages with exact table ranges, and step records.
#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <string>
#include <string_view>

#include "core/analysis.h"
#include "core/linkage.h"
#include "core/motion_parameters.h"
#include "core/shared_state.h"
#include "ui/animation/animation_window.h"

namespace fourbar::test {

using ui::AnimationWindow;

// The crank-rocker preset's lengths (mm).
inline void setLengths(SharedState& s, double L1 = 150, double L3 = 250, double L4 = 300) {
    s.linkage.L1 = L1;
    s.linkage.L2 = 220;
    s.linkage.L3 = L3;
    s.linkage.L4 = L4;
}

// Tables over first..last with theta1 = i degrees and a fixed output angle, as a run of the named
// kind would leave them.
inline void setTables(SharedState& s, std::string_view name, int first, int last,
                      double startAngle = 0, double endAngle = 0, float theta3 = 1.5707965f) {
    s.linkage.mechanismName = std::string(name);
    s.tables.resize(first, last);
    for (int i = first; i <= last; ++i) {
        TableRow row;
        row.theta1 = i * kDegree;
        row.theta3 = theta3;
        s.tables.setRow(i, row);
    }
    s.tables.startAngle = startAngle;
    s.tables.endAngle = endAngle;
}

inline void crankDriven(SharedState& s) {
    setTables(s, names::crankRockerB, 0, 360);
}
inline void doubleRocker(SharedState& s, int start, int end) {
    setTables(s, names::doubleRocker, start, end, start, end);
}
// The return swing's rows hold the crank angle going back: row i is 2 end - i degrees.
inline void rockerCrank(SharedState& s, int start, int end) {
    setTables(s, names::rockerCrankB, start, 2 * end - start, start, end);
    for (int i = end; i <= 2 * end - start; ++i) {
        TableRow row = s.tables.row(i);
        row.theta1 = (2 * end - i) * kDegree;
        s.tables.setRow(i, row);
    }
}

// A preset entered, confirmed and executed as in the main window; false if the run failed.
inline bool runPreset(SharedState& s, double L1, double L2, double L3, double L4) {
    s.linkage.L1 = L1;
    s.linkage.L2 = L2;
    s.linkage.L3 = L3;
    s.linkage.L4 = L4;
    s.linkage.n = 100;
    s.linkage.M = -1;
    return executeAnalysis(s.linkage, s.tables).message == ExecuteMessage::None;
}
inline bool crankRockerPreset(SharedState& s) {
    return runPreset(s, 150, 220, 250, 300);
}

// Every step the window reports, in order.
struct StepLog {
    QList<AnimationWindow::Step> steps;
    QList<int> indices;

    explicit StepLog(AnimationWindow& w) {
        QObject::connect(&w, &AnimationWindow::stepTaken, &w,
                         [this](AnimationWindow::Step step, int index) {
                             steps.append(step);
                             indices.append(index);
                         });
    }
    QList<int> of(AnimationWindow::Step step) const {
        QList<int> out;
        for (qsizetype k = 0; k < steps.size(); ++k) {
            if (steps[k] == step) {
                out.append(indices[k]);
            }
        }
        return out;
    }
    void clear() {
        steps.clear();
        indices.clear();
    }
};

// Runs one erase tick and one draw tick, as the timers alternate.
inline void cycle(AnimationWindow& w, int times = 1) {
    for (int k = 0; k < times; ++k) {
        w.onTimer1Tick();
        w.onTimer2Tick();
    }
}

// Arms a check that closes the next modal message box and records its text into `seen`.
inline void expectMessage(QString* seen) {
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, poll, [seen, poll] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *seen = box->text();
            box->accept();
            poll->deleteLater();
        }
    });
    poll->start();
}

}  // namespace fourbar::test
