// Counts the fleets that fit the evidence away from the window's thread, and keeps the last answer.
#pragma once

#include "FleetEvidence.h"
#include "FleetSolver.h"

#include <QObject>
#include <QThreadPool>

#include <optional>

// A count can take longer than a frame: the window asks, goes on, and asks again when Counted() comes.
// Every answer carries the evidence it was counted for, so an answer about evidence that has changed
// since is never taken for the present one.
class FleetCounter : public QObject {
    Q_OBJECT
public:
    explicit FleetCounter(QObject* parent = nullptr);
    // Waits for a count under way: it cannot be stopped halfway.
    ~FleetCounter() override;

    // The count for this evidence when it is known. Otherwise a count of it starts, unless another is under
    // way, and Counted() follows when that count ends.
    std::optional<FleetCount> CountFor(const FleetEvidence& evidence);

signals:
    void Counted();

private:
    void Finish(const FleetEvidence& evidence, FleetCount count);

    struct Answer {
        FleetEvidence evidence;
        FleetCount count;
    };
    std::optional<Answer> answer;
    bool counting = false;
    QThreadPool worker;
};
