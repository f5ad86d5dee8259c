#include "Core/SequencedActions/DeletionAction.h"

DeletionAction::DeletionAction(SequencedAction* controlledAction) : controlledAction(controlledAction) {}

void DeletionAction::operator()()
{
    delete controlledAction;
    delete this;
}
