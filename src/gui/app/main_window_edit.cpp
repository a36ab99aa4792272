#include "gui/app/main_window.h"

namespace tarveno {

void MainWindow::M_Cut_Click() {}
void MainWindow::M_Copy_Click() {}
void MainWindow::M_Paste_Click() {}
void MainWindow::M_Ins_Click() {}
void MainWindow::M_Del_Click() {}
void MainWindow::M_MirrorV_Click() {}
void MainWindow::M_MirrorH_Click() {}
void MainWindow::M_TurnLeft_Click() {}
void MainWindow::M_TurnRight_Click() {}
void MainWindow::M_Mirror_Click() {}

}  // namespace tarveno
