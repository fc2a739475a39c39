#include "store/StoreCommands.h"

#include "app/Log.h"
#include "app/ServerConfig.h"
#include "commands/CommandRegistry.h"
#include "commands/LoggedReply.h"
#include "commands/Members.h"
#include "contests/ContestClock.h"
#include "storage/PlayerStore.h"
#include "store/CatalogueStore.h"
#include "store/DeliveryForm.h"
#include "store/OrderBook.h"

#include <filesystem>
#include <memory>

namespace server::store {

namespace {

constexpr int kFailMoney = 1;
constexpr int kFailStock = 2;
constexpr int kFailCount = 3;
constexpr int kFailForm = 4;
constexpr int kFailUnknown = 5;
constexpr int kFailNotAllowed = 6;
constexpr int kFailUnknownAct = 9;
constexpr int kRecordRows = 100;

struct Store {
    explicit Store(ServerServices& s) : services(s), catalogue(s.storage), orders(s.storage, s.players, catalogue) {}
    ServerServices& services;
    CatalogueStore catalogue;
    OrderBook orders;
};

struct Reply {
    Json::Value answer;
    std::string refusal;
};

Json::Value success() {
    Json::Value answer(Json::objectValue);
    answer["response"] = 1;
    return answer;
}

Reply refused(int fail, const char* tip, std::string why) {
    Json::Value answer(Json::objectValue);
    answer["response"] = 0;
    answer["fail"] = fail;
    answer["tip"] = tip;
    return {answer, std::move(why)};
}

// Only a JSON whole number counts: a text of digits, a fraction or a boolean is no count.
std::optional<int> strictInt(const Json::Value& request, const char* member) {
    const auto& v = request[member];
    return v.isInt() ? std::optional<int>(v.asInt()) : std::nullopt;
}

Json::Value goodsJson(const Goods& g) {
    Json::Value v(Json::objectValue);
    v["goodsid"] = g.id;
    v["goodsname"] = g.name;
    v["goodsimg"] = g.img;
    v["goodstypeid"] = g.kind;
    v["moneyprice"] = g.moneyPrice;
    v["scoreprice"] = g.scorePrice;
    v["shopaddress"] = g.shopAddress;
    v["shoptel"] = g.shopTel;
    return v;
}

Reply show(Store& store, Page page) {
    Json::Value answer = success();
    bool merchantHasGoods = false;
    for (const auto& c : store.catalogue.page(Page::Merchant)) {
        merchantHasGoods = merchantHasGoods || !c.goods.empty();
    }
    answer["bbreak"] = merchantHasGoods ? 1 : 0;
    answer["goodstype"] = Json::Value(Json::arrayValue);
    answer["goodsinfo"] = Json::Value(Json::arrayValue);
    for (const auto& c : store.catalogue.page(page)) {
        Json::Value category(Json::objectValue);
        category["type"] = c.type;
        category["name"] = c.name;
        category["goodsinfo"] = Json::Value(Json::arrayValue);
        for (const auto& g : c.goods) {
            category["goodsinfo"].append(goodsJson(g));
            answer["goodsinfo"].append(goodsJson(g));
        }
        answer["goodstype"].append(std::move(category));
    }
    return {answer, {}};
}

Reply detail(Store& store, const Json::Value& request) {
    const auto id = strictInt(request, "goodsid");
    const auto goods = id ? store.catalogue.find(*id) : std::nullopt;
    if (!goods) {
        return refused(kFailUnknown, "该商品不存在或已下架。", "no goods " + Members::describe(request, "goodsid"));
    }
    Json::Value answer = success();
    answer["goodsid"] = goods->id;
    answer["number"] = goods->number;
    answer["goodsdescribe"] = goods->describe;
    answer["supplytel"] = goods->supplyTel;
    answer["supplyaddr"] = goods->supplyAddr;
    answer["inputaddr"] = isPosted(goods->kind) ? 1 : 0;
    return {answer, {}};
}

const char* doneTip(int kind) {
    if (kind == kPhoneCredit) {
        return "兑换成功！话费将在3个工作日内充入您填写的手机号码，请留意到账短信。";
    }
    if (isPosted(kind)) {
        return "兑换成功！商品将在7个工作日内寄出，发货后可在兑换记录中查看快递单号。";
    }
    return "兑换成功！将在3个工作日内充入您填写的账号，充值后可在兑换记录中查看。";
}

Reply convert(Store& store, const Json::Value& request, int playerId) {
    const auto id = strictInt(request, "goodsid");
    const auto goods = id ? store.catalogue.find(*id) : std::nullopt;
    if (!goods) {
        return refused(kFailUnknown, "该商品不存在或已下架。", "no goods " + Members::describe(request, "goodsid"));
    }
    const std::string which = "goods " + std::to_string(goods->id) + ": ";
    const auto player = store.services.players.find(playerId);
    if (!player || player->guest) {
        return refused(kFailNotAllowed, "游客不能兑换商品，请先注册并完善领奖信息。", which + "a guest cannot exchange");
    }
    if (!player->infoFilled) {
        return refused(kFailNotAllowed, "请先在个人资料中完善领奖信息，再来兑换。", which + "claim details not saved");
    }
    const auto count = strictInt(request, "count");
    if (!count || *count < 1 || *count > goods->number) {
        return refused(kFailCount, "兑换数量不正确，请重新选择。",
                       which + "count " + Members::describe(request, "count") + " is not 1.." +
                           std::to_string(goods->number));
    }
    const auto form = checkDelivery(goods->kind, request);
    if (!form.problem.empty()) {
        return refused(kFailForm, form.tip.c_str(), which + "delivery form: " + form.problem);
    }
    const auto now = contests::ContestClock::nowMs(store.services.config);
    const auto done = store.orders.exchange(playerId, goods->id, *count, form.delivery, now);
    const std::string pieces = std::to_string(*count) + " pieces";
    switch (done.result) {
    case OrderBook::Result::Unknown:
        return refused(kFailUnknown, "该商品不存在或已下架。", which + "withdrawn while exchanging");
    case OrderBook::Result::NoStock:
        return refused(kFailStock, "该商品库存不足，请选择其他商品。", which + "fewer than " + pieces + " left");
    case OrderBook::Result::NoMoney:
        return refused(kFailMoney, "您的金萝卜不足，多答题就能赚到更多金萝卜哦！",
                       which + "not enough money for " + pieces);
    case OrderBook::Result::NoScore:
        return refused(kFailMoney, "您的萝卜不足，多答题就能赚到更多萝卜哦！", which + "not enough score for " + pieces);
    case OrderBook::Result::Done:
        break;
    }
    Json::Value answer = success();
    answer["tip"] = doneTip(goods->kind);
    answer["orderid"] = done.orderId;
    answer["money"] = done.player.money;
    answer["score"] = done.player.score;
    answer["levelupscore"] = done.player.levelUpScore;
    return {answer, {}};
}

Reply record(Store& store, int playerId) {
    Json::Value answer = success();
    answer["buyrecord"] = Json::Value(Json::arrayValue);
    for (const auto& o : store.orders.ofPlayer(playerId, kRecordRows)) {
        const auto at = contests::ContestClock::local(o.atMs);
        Json::Value r(Json::objectValue);
        r["orderid"] = o.id;
        r["goodsid"] = o.goods;
        r["goodsnum"] = o.count;
        r["goodsname"] = o.goodsName;
        r["goodsimg"] = o.goodsImg;
        r["date"] = at.year * 10000 + at.month * 100 + at.day;
        r["hourmin"] = at.hour * 100 + at.minute;
        r["showtype"] = isPosted(o.kind) ? 1 : 2;
        r["price"] = static_cast<Json::Int64>(o.price);
        r["tel"] = o.delivery.tel;
        r["name"] = o.delivery.name;
        r["addr"] = o.delivery.addr;
        r["code"] = o.code;
        r["state"] = o.state;
        r["supplytel"] = o.supplyTel;
        r["supplyaddr"] = o.supplyAddr;
        answer["buyrecord"].append(std::move(r));
    }
    return {answer, {}};
}

void loadSeed(Store& store, const ServerConfig& config) {
    const auto path = (std::filesystem::path(config.dataDir) / "store.json").string();
    StoreCatalogue seed;
    const auto load = seed.readFile(path);
    if (load.ok) {
        store.catalogue.apply(seed);
    } else {
        Log::refusal("store", "seed refused, the stored catalogue stays: " + load.error);
    }
    const auto pictures = store.catalogue.pictures();
    std::error_code error;
    if (!std::filesystem::is_directory(config.mediaDir, error)) {
        Log::refusal("store", "no media folder at " + config.mediaDir + ": the " + std::to_string(pictures.size()) +
                                  " goods pictures cannot be shown");
        return;
    }
    const auto missing = missingPictures(pictures, config.mediaDir);
    if (!missing.empty()) {
        std::string names;
        for (const auto& name : missing) {
            names += (names.empty() ? "" : ", ") + name;
        }
        Log::refusal("store", std::to_string(missing.size()) + " goods pictures missing from " + config.mediaDir +
                                  ": " + names);
    }
}

} // namespace

std::vector<std::string> missingPictures(const std::vector<std::string>& pictures, const std::string& mediaDir) {
    std::vector<std::string> missing;
    for (const auto& name : pictures) {
        std::error_code error;
        if (!std::filesystem::is_regular_file(std::filesystem::path(mediaDir) / name, error)) {
            missing.push_back(name);
        }
    }
    return missing;
}

void StoreCommands::registerInto(CommandRegistry& game, ServerServices& services) {
    auto store = std::make_shared<Store>(services);
    loadSeed(*store, services.config);
    game.add(7, "store", [store](const Json::Value& request, RequestContext& context) -> Answer {
        const auto act = request["act"].isString() ? request["act"].asString() : std::string();
        if (act == "show") {
            return loggedReply(context, "store", show(*store, Page::Store));
        }
        if (act == "showbreak") {
            return loggedReply(context, "merchant page", show(*store, Page::Merchant));
        }
        if (act == "detail") {
            return loggedReply(context, "goods detail", detail(*store, request));
        }
        if (act == "convert") {
            return loggedReply(context, "exchange", convert(*store, request, context.playerId));
        }
        if (act == "record") {
            return loggedReply(context, "exchange record", record(*store, context.playerId));
        }
        Json::Value answer(Json::objectValue);
        answer["response"] = 0;
        answer["fail"] = kFailUnknownAct;
        return loggedReply(context, "store", Reply{answer, "unknown act " + Members::describe(request, "act")});
    });
}

} // namespace server::store
