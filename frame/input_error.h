// A run that cannot go on because of what it was given (a file or a value).
#pragma once

#include <stdexcept>

// what() is the whole message for the user, in the programs' language.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
