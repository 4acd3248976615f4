// Whether the session bus answers, asked with a time limit before Qt uses it.
#pragma once

// Qt's accessibility bridge connects to the session bus from the window's thread, with no time limit,
// as soon as the first control is made: a stopped bus daemon would freeze the clock there for good.
// True when the bus answers the first step of its handshake within `timeoutMs`, and when there is no
// bus to ask or it refuses at once, since then nothing waits for it either.
bool sessionBusAnswers(int timeoutMs);

// Points the bus library at a bus that cannot exist, so that whatever would use the bus gives up at once.
void doWithoutSessionBus();
