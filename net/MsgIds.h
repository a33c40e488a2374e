#pragma once
// The message ids of the four catalogues, declared once for the client and the server.
#include <cstdint>

namespace net {

namespace LobbyMsg {
enum : uint8_t {
    LoginRequest = 11,         // kind 1, data: LoginRequest
    LoginAccepted = 12,
    LoginRefused = 13,         // 8: u8 LoginRefusal
    Logout = 14,               // kind 1
    PlayerRecordRequest = 16,  // kind 1
    PlayerRecord = 17,         // 8: PlayerRecord
    PlayerRecordMissing = 18,
    HallListRequest = 21,      // kind 2
    HallList = 22,             // 8: HallList
    ChallengeLeft = 26,        // kind 1, sent when a challenge ends
    PlayerRecordChanged = 27,  // 8: PlayerRecord
    PlayerRecordChangeFailed = 28,
    VersionRequest = 31,       // kind 1
    Version = 32,              // 8: u32 version number
    VersionMissing = 33,
    FirstReply = 12,           // the client accepts replies 12 to 33
    LastReply = 33,
};
} // namespace LobbyMsg

enum class LoginRefusal : uint8_t {
    UnknownUser = 1,
    WrongPassword = 2,
    Unlisted = 3,
    NotOpened = 4,
    Suspended = 5,
    AlreadyOnline = 6,
};

// Versions up to this one are accepted; a greater one means the client is too old.
inline constexpr uint32_t kClientVersion = 1000050831;

namespace RoomMsg {
enum : uint8_t {
    Login = 11,             // 8: own PlayerRecord
    LoginAccepted = 12,     // 8: u16 own player key
    RoomFull = 13,
    Leave = 14,
    PlayerEntered = 15,     // 8: PlayerEntry
    PlayerLeft = 16,        // 8: PlayerEntry
    Chat = 17,              // 8: ChatRecord
    PlayerListRequest = 21,
    PlayerList = 22,        // 8: data length / 36 PlayerEntry
    DeskListRequest = 31,
    DeskList = 32,          // 8: DeskList (common or challenge)
    DeskListMissing = 33,
    SeatTaken = 41,         // 8: SeatNotice with its seat entry
    SeatFreed = 42,         // 8: SeatNotice
    GameStarted = 51,       // 8: u8 desk
    GameEnded = 52,         // 8: u8 desk
    Desk = 100,             // 8: a nested desk message record (DeskMessage)
    FirstDeskLevel = 30,    // ids from here on (but DeskListMissing) go to the desk ground
};
} // namespace RoomMsg

// Desk messages, nested in room message 100 (data from offset 16 of the outer record)
// and sent as desk bytes with sub-channel 0.
namespace DeskMsg {
enum : uint8_t {
    Sit = 1,               // common: 1, seat; challenge: no data
    Seated = 2,            // common: DeskRecord; challenge: ChallengeJoined
    DeskFull = 3,
    LeaveSeat = 6,         // common: 1, seat; challenge: LadderPosition
    LeaveQueue = 7,        // challenge: join tag, level, queue place
    ForcedExit = 9,        // common: 1, seat; challenge: LadderPosition
    PointsChanged = 11,    // PlayerRecord, only its points used
    Game = 20,             // a game message record
    GameStarting = 21,
    GameRunning = 22,      // also the answer to 21: common: seat; challenge: LadderPosition
    LadderGameRunning = 23,
    ConfirmBouts = 24,
    NextBout = 25,         // common: seat; challenge: LadderPosition
    StopBouts = 26,        // common: seat
    NoGame = 27,
    PleaseWait = 28,
    LadderSeatTaken = 41,  // LadderSeatNotice with its seat entry
    LadderSeatFreed = 42,  // LadderSeatNotice
    QueueJoined = 43,      // QueueNotice with its seat entry
    QueueLeft = 44,        // QueueNotice
    LadderGameStarted = 45, // u8 level, u8 desk
    LadderGameEnded = 46,   // u8 level, u8 desk
    LastLadder = 59,        // 41 to 59 go to the ladder
    Placed = 61,           // LadderPlacement
    Lost = 62,             // u8 level
    Queued = 63,           // QueueNotice
    AllPassed = 64,
};
} // namespace DeskMsg

// Game messages between a game dialog and the room server (data from offset 8 of
// the game record, 24 of the outer record when relayed in desk message 20).
namespace GameMsg {
enum : uint8_t {
    PlayerEntered = 1,  // SeatEntry
    PlayerLeft = 2,     // u8 role of the leaver
    FirstBout = 6,
    NextBout = 7,
    BoutOver = 10,      // BoutResult
    MasterChoice = 31,  // hide: u8 position; find: FindChoice; duel: u8 pick (XINGFU: 4 bytes, pick at 2)
    ClientChoice = 32,  // hide, find: u8 position; duel as 31
    MasterChosen = 33,
    ClientChosen = 34,
    TurnResult = 35,    // HideTurnResult, FindTurnResult or DuelTurnResult
    ClientTimedOut = 37,
    MasterTimedOut = 38,
};
} // namespace GameMsg

} // namespace net
