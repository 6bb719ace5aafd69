// SPDX-FileCopyrightText: 2026 Gitterspor-projektet
// SPDX-License-Identifier: MIT
#include "PrintQueue.h"

namespace PrintQueue {

Delivery fromIppStatus(bool sent, int status)
{
    if (!sent)
        return Delivery::NeverSent;
    // successful-ok and its kin are below 0x0100 (RFC 8011); any error means
    // the job was not created, or was cancelled when its document failed
    return status < 0x0100 ? Delivery::Taken : Delivery::Refused;
}

} // namespace PrintQueue
