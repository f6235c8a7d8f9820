// One count at a time on a thread of its own, its answer handed back on the window's thread.
#include "FleetCounter.h"

#include <QMetaObject>

FleetCounter::FleetCounter(QObject* parent) : QObject(parent) { worker.setMaxThreadCount(1); }

FleetCounter::~FleetCounter() { worker.waitForDone(); }

std::optional<FleetCount> FleetCounter::CountFor(const FleetEvidence& evidence)
{
    if (answer && answer->evidence == evidence)
        return answer->count;
    if (!counting) {
        counting = true;
        worker.start([this, evidence] {
            const FleetCount count = FleetSolver(evidence).Count();
            // Queued: the answer is taken on the thread this object lives on, between two of its events.
            QMetaObject::invokeMethod(this, [this, evidence, count] { Finish(evidence, count); }, Qt::QueuedConnection);
        });
    }
    return std::nullopt;
}

void FleetCounter::Finish(const FleetEvidence& evidence, FleetCount count)
{
    answer = Answer{evidence, count};
    counting = false;
    emit Counted();
}
