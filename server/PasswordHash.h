#pragma once
// Salted slow password hashes (Argon2id). The interactive cost is what accounts get;
// the test cost exists so a sanitized test suite does not spend seconds per login.
#include <optional>
#include <string>
#include <string_view>

namespace server {

enum class HashCost { Interactive, Test };

std::optional<HashCost> ParseHashCost(std::string_view text);
// The encoded hash (algorithm, cost and salt included); empty when hashing failed.
std::string HashPassword(std::string_view password, HashCost cost);
// The cost is read from the stored hash, so old hashes keep verifying.
bool VerifyPassword(const std::string& hash, std::string_view password);

} // namespace server
