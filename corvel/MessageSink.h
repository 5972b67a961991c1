// The process-wide destination of Corvel's message boxes (internal).
#pragma once

namespace corvel {

/// Hands one message to the installed sink and returns its answer.
int DeliverMessage(const char* text, unsigned style, unsigned helpId);

}  // namespace corvel
