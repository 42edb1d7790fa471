#!/usr/bin/env python3
# The least a GTK program does to sit in the panel through libayatana-appindicator: one item with a
# label and a one-row menu. benchmarks/footprint runs it beside the panel program.
import gi

gi.require_version("Gtk", "3.0")
gi.require_version("AyatanaAppIndicator3", "0.1")
from gi.repository import AyatanaAppIndicator3 as AppIndicator, Gtk  # noqa: E402

indicator = AppIndicator.Indicator.new("footprint-floor", "dialog-information",
                                       AppIndicator.IndicatorCategory.APPLICATION_STATUS)
indicator.set_status(AppIndicator.IndicatorStatus.ACTIVE)
indicator.set_label("S:10%  W:20%", "S:00%  W:00%")
menu = Gtk.Menu()
quit_row = Gtk.MenuItem(label="Quit")
quit_row.connect("activate", Gtk.main_quit)
menu.append(quit_row)
menu.show_all()
indicator.set_menu(menu)
Gtk.main()
