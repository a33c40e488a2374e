#pragma once
// One desk of a desk ground drawn as a desk picture with its chairs, the names of the
// seated players and the label "- n -". The common view's desks and the ladder's
// desks share these rules and differ only in their cell, their label number and the
// surface they draw on (the caller hands in the painter).
#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "net/SeatEntry.h"

#include <array>
#include <cstdint>

// The six pictures a ground loads once and every desk draws with.
struct CDeskBitmaps {
    QPixmap idleDesk;
    QPixmap playingDesk;
    QPixmap emptyChair;
    std::array<QPixmap, 3> seatChair; // occupied chair of seat 1, 2, 3

    static CDeskBitmaps Load();
};

class CGameDesk {
public:
    static constexpr int kMaxSeats = 3;
    static constexpr int kFontHeight = 12;

    CGameDesk(const CDeskBitmaps* bitmaps, QColor background);

    // Places the desk in its cell: the picture centred, seat 1 left and seat 2 right of it,
    // a third seat (three-seat desks) below it, the label along the cell's bottom.
    void Layout(int number, int seats, const QRect& cell);
    // Shifts every rectangle with the cell.
    void MoveTo(const QRect& cell);

    int Number() const { return number_; }
    int Seats() const { return seats_; }
    const QRect& Cell() const { return cell_; }
    const QRect& PictureRect() const { return picture_; }
    // Seat 1 to Seats(); an empty rectangle otherwise.
    QRect SeatRect(int seat) const;
    const QRect& LabelRect() const { return label_; }
    QString LabelText() const;
    // The seat whose chair holds the point, 0 for none.
    int SeatAt(const QPoint& point) const;

    uint8_t State() const { return state_; }
    void SetState(uint8_t state) { state_ = state; }
    // Seat entries as they arrive (seat 1 to 3); the occupied flag is the entry's own.
    void SetSeatEntry(int seat, const net::SeatEntry& entry);
    bool IsOccupied(int seat) const;
    void SetOccupied(int seat, bool occupied);
    QString SeatName(int seat) const;
    // Where the seat's name goes (computed from the name still stored, so an emptied
    // seat finds the area to erase).
    QRect NameRect(int seat) const;

    void Draw(QPainter& painter) const;
    void DrawPicture(QPainter& painter) const;
    // The chair and either the name or, for an empty seat, the erased name area.
    void DrawSeat(QPainter& painter, int seat) const;
    // The raised (hover) or pressed frame around an empty seat; nothing on an occupied one.
    void DrawSeatFrame(QPainter& painter, int seat, bool pressed) const;

    static const QFont& Font();

private:
    bool ValidSeat(int seat) const { return seat >= 1 && seat <= seats_; }
    const QPixmap& Chair(int seat) const;
    void DrawName(QPainter& painter, int seat) const;

    const CDeskBitmaps* bitmaps_;
    QColor background_;
    int number_ = 0;
    int seats_ = 2;
    QRect cell_;
    QRect picture_;
    std::array<QRect, kMaxSeats> seatRects_;
    QRect label_;
    uint8_t state_ = 0;
    std::array<net::SeatEntry, kMaxSeats> entries_{};
};
