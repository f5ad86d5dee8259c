#pragma once

#include "Core/HotSpots/GraphicButtonHotSpot.h"
#include "Core/HotSpots/HotSpotShapes.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

#include <memory>
#include <vector>

class Graphic8BitSprite;

// The modal panel in which the player spends a pick: it shows all 21 items (each animal in
// each facing, and the five tools); the player selects one and confirms it with Use or by
// pressing it again, or leaves with Cancel. While it is open, a press anywhere outside it is
// refused, so the board, the dials and the pick button cannot be reached. One dialog per
// process, so every member is static.
class PickDialogBox {
public:
    // One item's cell; pressing it selects the item and shows its outline.
    class ItemHotSpot : public RectangleHotSpot {
    public:
        ItemHotSpot(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);
        ~ItemHotSpot() override;

        void HandleUserMovesOver() override;
        void HandleUserBeginsSelection() override;

        ItemQueue::ItemType Item() const { return item; }
        ObjectType Animal() const { return animal; }
        DirectionType Direction() const { return direction; }
        bool IsOutlineShown() const;

        // The item whose outline is shown; null when none is.
        static const ItemHotSpot* CurrentlySelected() { return currentlySelected; }

    private:
        double lastSelectedTime = 0.0;
        ItemQueue::ItemType item;
        ObjectType animal;
        DirectionType direction;
        std::unique_ptr<Graphic8BitSprite> selectionOutlineSprite;

        static ItemHotSpot* currentlySelected;
    };

    class UseButtonHotSpot : public GraphicButtonHotSpot {
    public:
        UseButtonHotSpot();
        void HandleUserMovesOver() override;
        void PerformSelectionAction() override;
    };

    class CancelButtonHotSpot : public GraphicButtonHotSpot {
    public:
        CancelButtonHotSpot();
        void HandleUserMovesOver() override;
        void PerformSelectionAction() override;
    };

    // Everything outside the dialog's own hot spots: refuses presses.
    class ModalDialogBackgroundHotSpot : public UnboundedHotSpot {
    public:
        ModalDialogBackgroundHotSpot() : UnboundedHotSpot(modalBackgroundHitDetectionPosition) {}
        void HandleUserMovesOver() override;
        void HandleUserBeginsSelection() override;
    };

    static void SetUp() {}
    // Closes the dialog without effect.
    static void TakeDown();
    static bool IsOpen() { return isOpen; }

    static void Open();
    static void Close();
    // Closes the dialog, makes the chosen item current and spends a pick.
    static void UseItem();
    // Closes the dialog and leaves the item and the picks as they were.
    static void Cancel();
    static void SetItemToUse(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);

    static const std::vector<ItemHotSpot*>& ItemHotSpots() { return itemHotSpots; }
    static const UseButtonHotSpot* UseButton() { return useButtonHotSpot; }

    static constexpr int itemHitDetectionPosition = 2;
    static constexpr int modalBackgroundHitDetectionPosition = 3;
    static constexpr int dialogRenderingOrderPosition = 11;
    static constexpr int itemRenderingOrderPosition = 12;
    static constexpr int itemCount = 21;

private:
    static bool isOpen;
    // Owned while the dialog is open, null (empty) otherwise.
    static Graphic8BitSprite* dialogBoxSprite;
    static std::vector<ItemHotSpot*> itemHotSpots;
    static UseButtonHotSpot* useButtonHotSpot;
    static CancelButtonHotSpot* cancelButtonHotSpot;
    static ModalDialogBackgroundHotSpot* modalDialogBackgroundHotSpot;
    static ItemQueue::ItemType item;
    static ObjectType animal;
    static DirectionType direction;
};
