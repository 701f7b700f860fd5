#pragma once

#include <string>

#include "core/exception.h"

// The message of the CException raised by `action`, or "" when none was raised.
template <typename Action>
std::string RaisedMessage(Action action)
{
    try {
        action();
    } catch (const CException& error) {
        return error.message;
    }
    return "";
}
