#include "server/PasswordHash.h"

#include <sodium.h>

namespace server {

namespace {
bool Ready()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}
} // namespace

std::optional<HashCost> ParseHashCost(std::string_view text)
{
    if (text == "interactive")
        return HashCost::Interactive;
    if (text == "test")
        return HashCost::Test;
    return std::nullopt;
}

std::string HashPassword(std::string_view password, HashCost cost)
{
    if (!Ready())
        return {};
    const bool test = cost == HashCost::Test;
    const unsigned long long ops = test ? crypto_pwhash_OPSLIMIT_MIN : crypto_pwhash_OPSLIMIT_INTERACTIVE;
    const size_t mem = test ? crypto_pwhash_MEMLIMIT_MIN : crypto_pwhash_MEMLIMIT_INTERACTIVE;
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, password.data(), password.size(), ops, mem, crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return out;
}

bool VerifyPassword(const std::string& hash, std::string_view password)
{
    if (!Ready() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

} // namespace server
