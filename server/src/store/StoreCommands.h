// Game-server command 7: the store's catalogue ("show"), the merchant page's ("showbreak"), an
// item's details ("detail"), the exchange ("convert") and the player's account book ("record").
#pragma once

#include <string>
#include <vector>

namespace server {
class CommandRegistry;
struct ServerServices;
}

namespace server::store {

class StoreCommands {
public:
    // Reads DATA/store.json into the database first (a broken seed is logged and the stored
    // catalogue kept) and logs every goods picture the media folder lacks.
    static void registerInto(CommandRegistry& game, ServerServices& services);
};

// The names of `pictures` with no file in the folder.
std::vector<std::string> missingPictures(const std::vector<std::string>& pictures, const std::string& mediaDir);

} // namespace server::store
