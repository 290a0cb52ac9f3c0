// SPDX-License-Identifier: GPL-3.0-or-later
#include "table/qt/beep.h"

#include <QApplication>

#include <canberra.h>

namespace wildcrest
{

Bell::~Bell()
{
    if (context_)
        ca_context_destroy(context_);
}

bool Bell::playThemeSound(const char *eventId, const char *description)
{
    if (!context_) {
        if (ca_context_create(&context_) != CA_SUCCESS) {
            context_ = nullptr;
            return false;
        }
        ca_context_change_props(context_, CA_PROP_APPLICATION_NAME, "Wildcrest", NULL);
    }
    // ca_context_play only queues the sound: it returns before the bell is heard.
    if (ca_context_play(context_, 0, CA_PROP_EVENT_ID, eventId, CA_PROP_EVENT_DESCRIPTION, description, NULL) == CA_SUCCESS)
        return true;
    // Start afresh next time: a sound server may have come up meanwhile.
    ca_context_destroy(context_);
    context_ = nullptr;
    return false;
}

void Bell::ring()
{
    if (!playThemeSound("bell", "Match over"))
        QApplication::beep();
}

void Bell::cue()
{
    const auto now = std::chrono::steady_clock::now();
    if (now < nextCueTry_)
        return;
    if (!playThemeSound("message", "Offer"))
        nextCueTry_ = now + std::chrono::minutes(1);
}

} // namespace wildcrest
