#include "Marrowmere/PickDialogBox/PickButtonHotSpot.h"

#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/PickDialogBox/PickDialogBox.h"

PickButtonHotSpot::PickButtonHotSpot()
    : GraphicButtonHotSpot(hitDetectionPosition, Locations::PickButtonHotSpotBounds(),
                           GraphicIDs::PickButton(ButtonType::normal), GraphicIDs::PickButton(ButtonType::pressed),
                           GraphicIDs::PickButton(ButtonType::disabled), renderingOrderPosition)
{
}

void PickButtonHotSpot::HandleUserMovesOver()
{
    GraphicButtonHotSpot::HandleUserMovesOver();
    SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(CursorType::arrow));
}

void PickButtonHotSpot::PerformSelectionAction()
{
    Deactivate();
    PickDialogBox::Open();
}
