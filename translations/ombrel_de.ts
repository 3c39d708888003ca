<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Opened “%1”. Ombrel opens one lesson at a time; not opened: %2.</source>
        <translation>„%1“ geöffnet. Ombrel öffnet eine Lektion nach der anderen; nicht geöffnet: %2.</translation>
    </message>
</context>
<context>
    <name>BuiltInScenes</name>
    <message>
        <source>Billboards</source>
        <translation>Plakatwände</translation>
    </message>
    <message>
        <source>Three bars at three depths: each is a band in ray space, its slope set by its depth.</source>
        <translation>Drei Balken in drei Tiefen: jeder ist ein Band im Strahlenraum, dessen Neigung seine Tiefe bestimmt.</translation>
    </message>
    <message>
        <source>Two Dots</source>
        <translation>Zwei Punkte</translation>
    </message>
    <message>
        <source>Dots at a quarter and three quarters of the way up: two lines of different slopes in ray space.</source>
        <translation>Punkte auf einem Viertel und drei Vierteln der Höhe: zwei Linien unterschiedlicher Neigung im Strahlenraum.</translation>
    </message>
    <message>
        <source>Occluder</source>
        <translation>Verdeckung</translation>
    </message>
    <message>
        <source>A bar in front of a wider wall: where both lie on a ray, ray space shows the one nearer the lower line.</source>
        <translation>Ein Balken vor einer breiteren Wand: wo beide auf einem Strahl liegen, zeigt der Strahlenraum den, der näher an der unteren Linie ist.</translation>
    </message>
    <message>
        <source>Picket Fence</source>
        <translation>Lattenzaun</translation>
    </message>
    <message>
        <source>Bars at one depth: sharp stripes in the photo only when the focus reaches their depth.</source>
        <translation>Balken in einer Tiefe: scharfe Streifen im Foto erst, wenn der Fokus ihre Tiefe erreicht.</translation>
    </message>
    <message>
        <source>Depth Ladder</source>
        <translation>Tiefenleiter</translation>
    </message>
    <message>
        <source>Five bars at evenly spaced heights: sweep the focus to bring each into focus in turn.</source>
        <translation>Fünf Balken in gleichmäßig verteilten Höhen: den Fokus durchlaufen lassen, um jeden nacheinander scharf zu stellen.</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>An empty scene: white rays and a white photo, ready for shapes of your own.</source>
        <translation>Eine leere Szene: weiße Strahlen und ein weißes Foto, bereit für eigene Formen.</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
    </message>
    <message>
        <source>Shapes of random kinds, places and colours: guess their depths from ray space.</source>
        <translation>Formen zufälliger Art, Lage und Farbe: ihre Tiefen aus dem Strahlenraum erraten.</translation>
    </message>
</context>
<context>
    <name>CameraPanel</name>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Viewpoint</source>
        <translation>Blickpunkt</translation>
    </message>
    <message>
        <source>Where the aperture&apos;s centre sits on the lower line: moving it gives parallax</source>
        <translation>Wo die Mitte der Blende auf der unteren Linie liegt: sie zu verschieben ergibt Parallaxe</translation>
    </message>
    <message>
        <source>Viewpoint:</source>
        <translation>Blickpunkt:</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Kasten</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Zelt</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gauß</translation>
    </message>
    <message>
        <source>Two slits</source>
        <translation>Zwei Spalte</translation>
    </message>
    <message>
        <source>K pinholes</source>
        <translation>K Lochblenden</translation>
    </message>
    <message>
        <source>How the aperture weighs its samples: the blur takes its shape</source>
        <translation>Wie die Blende ihre Abtastwerte gewichtet: die Unschärfe nimmt ihre Form an</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Blende:</translation>
    </message>
    <message>
        <source>How many pinholes spread over the aperture: a camera array</source>
        <translation>Wie viele Lochblenden über die Blende verteilt sind: ein Kamera-Array</translation>
    </message>
    <message>
        <source>Pinholes K:</source>
        <translation>Lochblenden K:</translation>
    </message>
    <message>
        <source>Keep aperture width</source>
        <translation>Blendenbreite halten</translation>
    </message>
    <message>
        <source>The depth-of-field slider sets the aperture&apos;s width on the lower line, so refocusing keeps the aperture, as a real camera does</source>
        <translation>Der Schärfentiefe-Regler stellt die Breite der Blende auf der unteren Linie ein, sodass das Neufokussieren die Blende behält, wie es eine echte Kamera tut</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Kamera</translation>
    </message>
    <message>
        <source>A pinhole photo is one row of ray space.</source>
        <translation>Ein Lochkamerafoto ist eine Zeile des Strahlenraums.</translation>
    </message>
    <message>
        <source>Aperture %L1 wide on the lower line: d = %L2 samples at %L3°</source>
        <translation>Blende %L1 breit auf der unteren Linie: d = %L2 Abtastwerte bei %L3°</translation>
    </message>
    <message>
        <source>Capped at d = %L1 (the image&apos;s width): near 0° the width would need ever more samples</source>
        <translation>Begrenzt auf d = %L1 (die Bildbreite): nahe 0° bräuchte die Breite immer mehr Abtastwerte</translation>
    </message>
    <message>
        <source>The photo is ray-space row %L1 from the bottom (highlighted).</source>
        <translation>Das Foto ist Zeile %L1 des Strahlenraums von unten (hervorgehoben).</translation>
    </message>
    <message>
        <source>p = %L1, the centre</source>
        <translation>p = %L1, die Mitte</translation>
    </message>
    <message>
        <source>p = %L1, %L2 left of the centre</source>
        <translation>p = %L1, %L2 links der Mitte</translation>
    </message>
    <message>
        <source>p = %L1, %L2 right of the centre</source>
        <translation>p = %L1, %L2 rechts der Mitte</translation>
    </message>
    <message>
        <source>Render to place the camera</source>
        <translation>Rendern, um die Kamera zu platzieren</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>Photo pixel %L1 takes no sample</source>
        <translation>Fotopixel %L1 nimmt keinen Abtastwert</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>Balken</translation>
    </message>
    <message>
        <source>the %L1 %L2</source>
        <translation>%L2 (%L1)</translation>
    </message>
    <message>
        <source>something %L1</source>
        <translation>etwas (%L1)</translation>
    </message>
    <message>
        <source>%L1 (%L2%)</source>
        <translation>%L1 (%L2 %)</translation>
    </message>
    <message>
        <source>Photo pixel %L1 sees %L2 through %L3% of the aperture</source>
        <translation>Fotopixel %L1 sieht %L2 durch %L3 % der Blende</translation>
    </message>
    <message>
        <source>, the rest meets %L1</source>
        <translation>, der Rest trifft %L1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>At %L1% up, moving the viewpoint 1 right moves the image %L2 photo px left</source>
        <translation>Bei %L1 % Höhe verschiebt 1 nach rechts am Blickpunkt das Bild um %L2 Fotopixel nach links</translation>
    </message>
    <message>
        <source>A row of views counts its aperture in views, which refocusing does not change: the depth-of-field slider sets how many</source>
        <translation>Eine Reihe von Ansichten zählt ihre Blende in Ansichten, und das Umfokussieren ändert sie nicht: Der Schärfentiefe-Regler legt fest, wie viele</translation>
    </message>
    <message>
        <source>The viewpoint is the view read unshifted; the profile weighs the views around it, as many on each side as the depth of field says. The point-spread plot needs the scene&apos;s depths, which real views do not give.</source>
        <translation>Der Blickpunkt ist die Ansicht, die unverschoben gelesen wird; das Profil gewichtet die Ansichten um sie herum, auf jeder Seite so viele, wie die Schärfentiefe sagt. Das Diagramm der Punktverteilung braucht die Tiefen der Szene, die echte Ansichten nicht liefern.</translation>
    </message>
</context>
<context>
    <name>DepthSlopes</name>
    <message>
        <source>Show Slop&amp;es</source>
        <translation>N&amp;eigungen zeigen</translation>
    </message>
    <message>
        <source>slopes give λ = %L1</source>
        <translation>Neigungen ergeben λ = %L1</translation>
    </message>
    <message>
        <source>slopes give no confident λ</source>
        <translation>Neigungen ergeben kein sicheres λ</translation>
    </message>
    <message>
        <source>, true λ = %L1</source>
        <translation>, wahres λ = %L1</translation>
    </message>
    <message>
        <source>Show Slopes cannot read this light field here.</source>
        <translation>„Neigungen zeigen“ kann dieses Lichtfeld hier nicht lesen.</translation>
    </message>
    <message>
        <source>Show Slopes needs at least 3 views to read slopes; this light field has %1.</source>
        <translation>„Neigungen zeigen“ braucht mindestens 3 Ansichten, um Neigungen zu lesen; dieses Lichtfeld hat %1.</translation>
    </message>
    <message>
        <source>Show Slopes reads only a square ray space, not %1 × %2 pixels.</source>
        <translation>„Neigungen zeigen“ liest nur einen quadratischen Strahlenraum, nicht %1 × %2 Pixel.</translation>
    </message>
    <message>
        <source>disparity %L1</source>
        <translation>Disparität %L1</translation>
    </message>
    <message>
        <source>%L1 px per view</source>
        <translation>%L1 px pro Ansicht</translation>
    </message>
    <message>
        <source>slopes give disparity %L1 px per view</source>
        <translation>Neigungen ergeben die Disparität %L1 px pro Ansicht</translation>
    </message>
    <message>
        <source>slopes give no confident disparity</source>
        <translation>Neigungen ergeben keine sichere Disparität</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Export Picture</source>
        <translation>Bild exportieren</translation>
    </message>
    <message>
        <source>Add a &amp;title, the axes&apos; names and the focus line</source>
        <translation>&amp;Titel, Achsennamen und Fokuslinie hinzufügen</translation>
    </message>
    <message>
        <source>Around the scene, the ray space or the photo: a title with the optics and the names of the axes; on the scene also the focus line and sharp band when View ▸ Show Focus Depth is on</source>
        <translation>Um die Szene, den Strahlenraum oder das Foto: ein Titel mit der Optik und den Achsennamen; bei der Szene auch die Fokuslinie und das scharfe Band, wenn Ansicht ▸ Fokustiefe zeigen eingeschaltet ist</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Bild:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>Szene öffnen</translation>
    </message>
    <message>
        <source>Ombrel scenes (*.ombrel)</source>
        <translation>Ombrel-Szenen (*.ombrel)</translation>
    </message>
    <message>
        <source>Save Scene</source>
        <translation>Szene speichern</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Save the changes to the untitled scene?</source>
        <translation>Änderungen an der unbenannten Szene speichern?</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>Änderungen an „%1“ speichern?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>PNG-Bilder (*.png);;SVG-Zeichnungen (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>PNG-Bilder (*.png)</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Größe ändern</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Anstoßen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>In den &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation>In den &amp;Hintergrund</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>&amp;Farbe…</translation>
    </message>
    <message>
        <source>Remove &amp;Image Fill</source>
        <translation>&amp;Bildfüllung entfernen</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>%1 zeichnen</translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation>%1 kopiert</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>der Zwischenablage</translation>
    </message>
    <message>
        <source>The clipboard holds no shapes Ombrel can read</source>
        <translation>Die Zwischenablage enthält keine Formen, die Ombrel lesen kann</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>In den Vordergrund</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>In den Hintergrund</translation>
    </message>
    <message>
        <source>Shape Colour</source>
        <translation>Formfarbe</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Remove Image Fill</source>
        <translation>Bildfüllung entfernen</translation>
    </message>
    <message>
        <source>%1 Scene</source>
        <translation>Szene %1</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (Startwert %2)</translation>
    </message>
</context>
<context>
    <name>FocalStack</name>
    <message>
        <source>%L1 · focused at y = %L2</source>
        <translation>%L1 · scharf bei y = %L2</translation>
    </message>
    <message>
        <source>Focal stack: the photo at nine focus angles, depth of field %L1</source>
        <translation>Fokusstapel: das Foto bei neun Fokuswinkeln, Schärfentiefe %L1</translation>
    </message>
    <message>
        <source>All in focus and depth per photo pixel, depth of field %L1</source>
        <translation>Alles scharf und Tiefe je Fotopixel, Schärfentiefe %L1</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest focus angle</source>
        <translation>Alles scharf: jedes Pixel bei seinem schärfsten Fokuswinkel</translation>
    </message>
    <message>
        <source>Depth from focus: blue at the lower line to red at the upper, white none</source>
        <translation>Tiefe aus dem Fokus: blau an der unteren Linie bis rot an der oberen, weiß keine</translation>
    </message>
    <message>
        <source>Depth from the slopes in ray space, in the same colours</source>
        <translation>Tiefe aus den Neigungen im Strahlenraum, in denselben Farben</translation>
    </message>
</context>
<context>
    <name>FocalStackDock</name>
    <message>
        <source>Focal Stack</source>
        <translation>Fokusstapel</translation>
    </message>
    <message>
        <source>Depth from focus (colours as Show Slopes)</source>
        <translation>Tiefe aus dem Fokus (Farben wie Neigungen zeigen)</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest angle</source>
        <translation>Alles scharf: jedes Pixel bei seinem schärfsten Winkel</translation>
    </message>
    <message>
        <source>Local sharpness of the hovered photo pixel against the focus angle, 0° to 90°; the dashed line is the current angle.</source>
        <translation>Lokale Schärfe des Fotopixels unter der Maus über dem Fokuswinkel, 0° bis 90°; die gestrichelte Linie ist der aktuelle Winkel.</translation>
    </message>
    <message>
        <source>Focal Stac&amp;k</source>
        <translation>Fokuss&amp;tapel</translation>
    </message>
    <message>
        <source>sharpest at λ = %L1</source>
        <translation>am schärfsten bei λ = %L1</translation>
    </message>
    <message>
        <source>alike at every angle</source>
        <translation>bei jedem Winkel gleich</translation>
    </message>
    <message>
        <source>Sharpness, photo pixel %L1: %L2</source>
        <translation>Schärfe, Fotopixel %L1: %L2</translation>
    </message>
    <message>
        <source>0°</source>
        <translation>0°</translation>
    </message>
    <message>
        <source>90°</source>
        <translation>90°</translation>
    </message>
    <message>
        <source>The focal stack cannot sweep this light field of %1 × %2 pixels.</source>
        <translation>Der Fokusstapel kann dieses Lichtfeld mit %1 × %2 Pixeln nicht durchlaufen.</translation>
    </message>
    <message>
        <source>Depth from focus (blue: nearest, red: farthest)</source>
        <translation>Tiefe aus dem Fokus (blau: am nächsten, rot: am fernsten)</translation>
    </message>
    <message>
        <source>sharpest at disparity %L1 px per view</source>
        <translation>am schärfsten bei der Disparität %L1 px pro Ansicht</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>&amp;Kurzanleitung</translation>
    </message>
    <message>
        <source>&amp;About Ombrel</source>
        <translation>Über &amp;Ombrel</translation>
    </message>
    <message>
        <source>Ombrel Quick Guide</source>
        <translation>Ombrel-Kurzanleitung</translation>
    </message>
    <message>
        <source>About Ombrel</source>
        <translation>Über Ombrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Light-field photography in two dimensions: arrange shapes between two plane lines, see every ray that crosses them, and take photos focused at any depth.&lt;/p&gt;&lt;p&gt;Licensed under the Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Lichtfeldfotografie in zwei Dimensionen: Formen zwischen zwei Ebenenlinien anordnen, jeden Strahl sehen, der sie kreuzt, und Fotos mit beliebiger Schärfentiefe aufnehmen.&lt;/p&gt;&lt;p&gt;Lizenziert unter der Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Erstellt mit Qt %2, läuft mit Qt %3.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighContrast</name>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Hoher Kontrast</translation>
    </message>
    <message>
        <source>Draw the overlays thicker, in dark colours edged in white, so they read on a projector</source>
        <translation>Die Überlagerungen dicker zeichnen, in dunklen Farben mit weißem Rand, damit sie auf einem Projektor lesbar sind</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>kein Bild</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>zu groß</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Select &amp;Next Shape</source>
        <translation>&amp;Nächste Form auswählen</translation>
    </message>
    <message>
        <source>Select Pre&amp;vious Shape</source>
        <translation>Vorherige Form &amp;auswählen</translation>
    </message>
    <message>
        <source>Draw Shape in the &amp;Middle</source>
        <translation>Form in der &amp;Mitte zeichnen</translation>
    </message>
    <message>
        <source>Pick Rectangle, Circle or Triangle first</source>
        <translation>Zuerst Rechteck, Kreis oder Dreieck wählen</translation>
    </message>
    <message>
        <source>Move Cursor Left</source>
        <translation>Cursor nach links bewegen</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Right</source>
        <translation>Cursor nach &amp;rechts bewegen</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Up</source>
        <translation>Cursor nach o&amp;ben bewegen</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Down</source>
        <translation>Cursor nach &amp;unten bewegen</translation>
    </message>
    <message>
        <source>Click a&amp;t Cursor</source>
        <translation>Am Cursor kl&amp;icken</translation>
    </message>
    <message>
        <source>Click at Cursor focuses from the scene or the photo</source>
        <translation>„Am Cursor klicken“ fokussiert von der Szene oder vom Foto aus</translation>
    </message>
</context>
<context>
    <name>LightFieldDocument</name>
    <message>
        <source>Central view</source>
        <translation>Mittlere Ansicht</translation>
    </message>
    <message>
        <source>Ray space of the scanline</source>
        <translation>Strahlenraum der Abtastzeile</translation>
    </message>
    <message>
        <source>Refocused scanline</source>
        <translation>Neu fokussierte Abtastzeile</translation>
    </message>
    <message>
        <source>Open Light Field</source>
        <translation>Lichtfeld öffnen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>The views form a grid. Open which row?</source>
        <translation>Die Ansichten bilden ein Raster. Welche Zeile öffnen?</translation>
    </message>
    <message>
        <source>Open &amp;Light Field…</source>
        <translation>&amp;Lichtfeld öffnen…</translation>
    </message>
    <message>
        <source>Open a row of camera views (a folder) or one epipolar-plane image</source>
        <translation>Eine Zeile von Kameraansichten (einen Ordner) oder ein Epipolarebenenbild öffnen</translation>
    </message>
    <message>
        <source>&amp;Close Light Field</source>
        <translation>Lichtfeld s&amp;chließen</translation>
    </message>
    <message>
        <source>Go back to the scene</source>
        <translation>Zurück zur Szene</translation>
    </message>
    <message>
        <source>Opening the light field…</source>
        <translation>Lichtfeld wird geöffnet…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled; nothing changed.</source>
        <translation>Das Öffnen des Lichtfelds wurde abgebrochen; nichts hat sich geändert.</translation>
    </message>
    <message>
        <source>%1 — Light Field — Ombrel</source>
        <translation>%1 — Lichtfeld — Ombrel</translation>
    </message>
    <message>
        <source>Closed the light field; back to the scene.</source>
        <translation>Lichtfeld geschlossen; zurück zur Szene.</translation>
    </message>
    <message>
        <source>The central camera view. Drag the red scanline, or press the up and down arrow keys, to cut the ray space at another row.</source>
        <translation>Die mittlere Kameraansicht. Ziehen Sie die rote Abtastzeile oder drücken Sie die Pfeiltasten nach oben und unten, um den Strahlenraum in einer anderen Zeile zu schneiden.</translation>
    </message>
    <message>
        <source>The ray space of the scanline: one row per camera view (view 0 at the bottom), one column per pixel. A point at one depth is a line.</source>
        <translation>Der Strahlenraum der Abtastzeile: eine Zeile pro Kameraansicht (Ansicht 0 unten), eine Spalte pro Pixel. Ein Punkt in einer Tiefe ist eine Linie.</translation>
    </message>
    <message>
        <source>The scanline refocused by shifting and averaging the views. Hover a pixel to see its samples in ray space; click it to focus there.</source>
        <translation>Die Abtastzeile, neu fokussiert durch Verschieben und Mitteln der Ansichten. Zeigen Sie auf ein Pixel, um seine Abtastwerte im Strahlenraum zu sehen; klicken Sie darauf, um dort zu fokussieren.</translation>
    </message>
    <message>
        <source>Views or epipolar image (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</source>
        <translation>Ansichten oder Epipolarbild (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</translation>
    </message>
    <message>
        <source>no view takes part</source>
        <translation>keine Ansicht trägt bei</translation>
    </message>
    <message>
        <source>Works on the scene: close the light field (File ▸ Close Light Field) to use it. A real light field has no shapes or planes to act on.</source>
        <translation>Wirkt auf die Szene: Schließen Sie das Lichtfeld (Datei ▸ Lichtfeld schließen), um es zu benutzen. Ein echtes Lichtfeld hat keine Formen oder Ebenen, auf die es wirken könnte.</translation>
    </message>
    <message>
        <source>Drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to use it.</source>
        <translation>Aus der Optik der Szene gezeichnet: Schließen Sie das Lichtfeld (Datei ▸ Lichtfeld schließen), um es zu benutzen.</translation>
    </message>
    <message>
        <source>%L1° — disparity %2 px per view</source>
        <translation>%L1° — Disparität %2 px pro Ansicht</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Zeile %L1</translation>
    </message>
    <message>
        <source>views %L1 to %L2 (%L3 of %L4)</source>
        <translation>Ansichten %L1 bis %L2 (%L3 von %L4)</translation>
    </message>
    <message>
        <source>%L1 of the views %L2 to %L3 (%L4 in all)</source>
        <translation>%L1 der Ansichten %L2 bis %L3 (%L4 insgesamt)</translation>
    </message>
    <message>
        <source>Opened the light field “%1”: %L2 views of %L3 × %L4 pixels.</source>
        <translation>Lichtfeld „%1“ geöffnet: %L2 Ansichten mit %L3 × %L4 Pixeln.</translation>
    </message>
    <message>
        <source>Photo pixel %L1: no view sees it; it is white</source>
        <translation>Fotopixel %L1: keine Ansicht sieht es; es ist weiß</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>Fotopixel %L1: der Mittelwert der Ansichten %L2 bis %L3 entlang der Disparität %L4 px pro Ansicht</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the weighted mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>Fotopixel %L1: der gewichtete Mittelwert der Ansichten %L2 bis %L3 entlang der Disparität %L4 px pro Ansicht</translation>
    </message>
    <message>
        <source>Too few views see pixel %L1 to find its depth.</source>
        <translation>Zu wenige Ansichten sehen Pixel %L1, um seine Tiefe zu finden.</translation>
    </message>
    <message>
        <source>Focused on pixel %L1: its samples fit best at disparity %L2 px per view (%L3°).</source>
        <translation>Auf Pixel %L1 fokussiert: seine Abtastwerte passen am besten zur Disparität %L2 px pro Ansicht (%L3°).</translation>
    </message>
</context>
<context>
    <name>LightFieldLoader</name>
    <message>
        <source>The folder &quot;%1&quot; holds more than %2 files: a light field has at most %3 rows of %3 views.</source>
        <translation>Der Ordner „%1“ enthält mehr als %2 Dateien: ein Lichtfeld hat höchstens %3 Zeilen mit %3 Ansichten.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no images.</source>
        <translation>Der Ordner „%1“ enthält keine Bilder.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name the view at row %3, column %4.</source>
        <translation>„%1“ und „%2“ bezeichnen beide die Ansicht in Zeile %3, Spalte %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2): was it moved or deleted while opening?</source>
        <translation>„%1“ konnte nicht gelesen werden (%2): wurde es beim Öffnen verschoben oder gelöscht?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short: the JPEG file is incomplete.</source>
        <translation>„%1“ ist abgeschnitten: die JPEG-Datei ist unvollständig.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be decoded: %2.</source>
        <translation>„%1“ konnte nicht dekodiert werden: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, the other views %4 x %5: every view must be the same size.</source>
        <translation>„%1“ hat %2 × %3 Pixel, die anderen Ansichten %4 × %5: alle Ansichten müssen gleich groß sein.</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled.</source>
        <translation>Das Öffnen des Lichtfelds wurde abgebrochen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: was it moved or deleted while opening?</source>
        <translation>„%1“ konnte nicht gelesen werden: wurde es beim Öffnen verschoben oder gelöscht?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an image Ombrel can read.</source>
        <translation>„%1“ ist kein Bild, das Ombrel lesen kann.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels: views may be at most %4 pixels a side.</source>
        <translation>„%1“ hat %2 × %3 Pixel: Ansichten dürfen höchstens %4 Pixel je Seite haben.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, &quot;%4&quot; %5 x %6: every view must be the same size.</source>
        <translation>„%1“ hat %2 × %3 Pixel, „%4“ %5 × %6: alle Ansichten müssen gleich groß sein.</translation>
    </message>
    <message>
        <source>A light field needs at least two views; there is only one.</source>
        <translation>Ein Lichtfeld braucht mindestens zwei Ansichten; es gibt nur eine.</translation>
    </message>
    <message>
        <source>A row of %1 views is more than Ombrel opens: at most %2.</source>
        <translation>Eine Reihe von %1 Ansichten ist mehr, als Ombrel öffnet: höchstens %2.</translation>
    </message>
    <message>
        <source>%1 views of %2 x %3 pixels need %4 MB, more than the %5 MB Ombrel gives a light field.</source>
        <translation>%1 Ansichten mit %2 × %3 Pixeln brauchen %4 MB, mehr als die %5 MB, die Ombrel einem Lichtfeld gibt.</translation>
    </message>
    <message>
        <source>The folder has no row %1 of views.</source>
        <translation>Der Ordner hat keine Zeile %1 von Ansichten.</translation>
    </message>
    <message>
        <source>The view at row %1, column %2 is missing.</source>
        <translation>Die Ansicht in Zeile %1, Spalte %2 fehlt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>„%1“ existiert nicht.</translation>
    </message>
</context>
<context>
    <name>LightFieldPictures</name>
    <message>
        <source>The central view (row %L1, scanline y %L2)</source>
        <translation>Die mittlere Ansicht (Zeile %L1, Abtastzeile y %L2)</translation>
    </message>
    <message>
        <source>The central view (scanline y %L1)</source>
        <translation>Die mittlere Ansicht (Abtastzeile y %L1)</translation>
    </message>
    <message>
        <source>x: pixel →</source>
        <translation>x: Pixel →</translation>
    </message>
    <message>
        <source>y: pixel row from the top (the scanline in red)</source>
        <translation>y: Pixelzeile von oben (die Abtastzeile in Rot)</translation>
    </message>
    <message>
        <source>Ray space of scanline y %L1: one pixel per ray</source>
        <translation>Strahlenraum der Abtastzeile y %L1: ein Pixel pro Strahl</translation>
    </message>
    <message>
        <source>pixel →</source>
        <translation>Pixel →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>Ansicht →</translation>
    </message>
    <message>
        <source>The refocused scanline (focus angle %L1°, disparity %2 px per view, %3)</source>
        <translation>Die neu fokussierte Abtastzeile (Fokuswinkel %L1°, Disparität %2 px pro Ansicht, %3)</translation>
    </message>
    <message>
        <source>photo pixel →</source>
        <translation>Fotopixel →</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>The scene.
Pointer: drag a shape to move it, a corner knob to resize it.
Other tools: drag to draw a new shape.
Arrow keys nudge the selection (Shift: 10); Space fills it with an image.</source>
        <translation>Die Szene.
Zeiger: eine Form ziehen, um sie zu verschieben, einen Eckgriff, um ihre Größe zu ändern.
Andere Werkzeuge: ziehen, um eine neue Form zu zeichnen.
Pfeiltasten stoßen die Auswahl an (Umschalt: 10); Leertaste füllt sie mit einem Bild.</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>Strahlenraum</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray.
Column u: where it crosses the red upper line.
Row v, from the bottom: where it crosses the black lower line.
Hover to see that ray in the scene.</source>
        <translation>Strahlenraum: ein Pixel je Strahl.
Spalte u: wo er die rote obere Linie kreuzt.
Zeile v, von unten: wo er die schwarze untere Linie kreuzt.
Mit der Maus darüber fahren, um diesen Strahl in der Szene zu sehen.</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>The synthetic photo. Hover a pixel to see the bundle of rays it averages.</source>
        <translation>Das synthetische Foto. Mit der Maus über ein Pixel fahren, um das Strahlenbündel zu sehen, das es mittelt.</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Werkzeug</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Zeiger</translation>
    </message>
    <message>
        <source>Select, move and resize shapes</source>
        <translation>Formen auswählen, verschieben und in der Größe ändern</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a rectangle</source>
        <translation>Auf der Szene ziehen, um ein Rechteck zu zeichnen</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Drag on the scene to draw an oval</source>
        <translation>Auf der Szene ziehen, um ein Oval zu zeichnen</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a triangle</source>
        <translation>Auf der Szene ziehen, um ein Dreieck zu zeichnen</translation>
    </message>
    <message>
        <source>Focus angle</source>
        <translation>Fokuswinkel</translation>
    </message>
    <message>
        <source>Angle of the sampling segment in ray space: chooses the depth that is sharp</source>
        <translation>Winkel des Abtastsegments im Strahlenraum: wählt die Tiefe, die scharf ist</translation>
    </message>
    <message>
        <source>Focus readout</source>
        <translation>Fokusanzeige</translation>
    </message>
    <message>
        <source>The focus angle and the depth in focus, from the lower line (0%) to the upper line (100%).
When no height blurs over one photo pixel (px) or less, nothing is sharp: the least blur is given.</source>
        <translation>Der Fokuswinkel und die scharfe Tiefe, von der unteren Linie (0 %) bis zur oberen Linie (100 %).
Wenn keine Höhe um ein Fotopixel (px) oder weniger verschwimmt, ist nichts scharf: die geringste Unschärfe wird angegeben.</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>Schärfentiefe</translation>
    </message>
    <message>
        <source>Half-length of the sampling segment in samples: the aperture; 0 is a pinhole</source>
        <translation>Halbe Länge des Abtastsegments in Abtastwerten: die Blende; 0 ist eine Lochblende</translation>
    </message>
    <message>
        <source>Depth of field readout</source>
        <translation>Schärfentiefe-Anzeige</translation>
    </message>
    <message>
        <source>Samples taken on each side of a photo pixel&apos;s centre, and the aperture:
how wide, in canvas units, one photo pixel&apos;s rays leave the lower line (2 × samples × sin of the angle).
The red marker has that width, or 2 where it would be narrower.</source>
        <translation>Abtastwerte auf jeder Seite der Mitte eines Fotopixels und die Blende:
wie breit, in Leinwandeinheiten, die Strahlen eines Fotopixels die untere Linie verlassen (2 × Abtastwerte × Sinus des Winkels).
Die rote Markierung hat diese Breite, oder 2, wo sie schmaler wäre.</translation>
    </message>
    <message>
        <source>Focus on Selection</source>
        <translation>Auf Auswahl fokussieren</translation>
    </message>
    <message>
        <source>Turn the focus angle so the selected shape&apos;s centre is sharp</source>
        <translation>Den Fokuswinkel so drehen, dass die Mitte der ausgewählten Form scharf ist</translation>
    </message>
    <message>
        <source>Sweep Focus</source>
        <translation>Fokus durchlaufen</translation>
    </message>
    <message>
        <source>Sweep the focus angle down to 0°, up to 90° and back; press again to stop</source>
        <translation>Den Fokuswinkel bis 0°, hinauf bis 90° und zurück durchlaufen; erneut drücken zum Anhalten</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Rendern</translation>
    </message>
    <message>
        <source>Capture the scene again and rebuild the ray space and the photo</source>
        <translation>Die Szene erneut erfassen und Strahlenraum und Foto neu aufbauen</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>Foto aufnehmen</translation>
    </message>
    <message>
        <source>Take the photo again from the current ray space</source>
        <translation>Das Foto erneut aus dem aktuellen Strahlenraum aufnehmen</translation>
    </message>
    <message>
        <source>Ray-space axes</source>
        <translation>Strahlenraum-Achsen</translation>
    </message>
    <message>
        <source>Show or hide the axes over the ray space</source>
        <translation>Achsen über dem Strahlenraum zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Auto render</source>
        <translation>Automatisch rendern</translation>
    </message>
    <message>
        <source>Ombrel renders after every edit</source>
        <translation>Ombrel rendert nach jeder Bearbeitung</translation>
    </message>
    <message>
        <source>Auto photo</source>
        <translation>Automatisch fotografieren</translation>
    </message>
    <message>
        <source>Ombrel takes a photo after every render and every change of the sliders</source>
        <translation>Ombrel nimmt nach jedem Rendern und jeder Reglerbewegung ein Foto auf</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Focus depth</source>
        <translation>Fokustiefe</translation>
    </message>
    <message>
        <source>Mark on the scene the height in focus and the band that stays sharp</source>
        <translation>Auf der Szene die scharfe Höhe und das scharf bleibende Band markieren</translation>
    </message>
    <message>
        <source>Scene and ray-space links</source>
        <translation>Szene und Strahlenraum verknüpfen</translation>
    </message>
    <message>
        <source>Hover the scene to see a point&apos;s line in ray space, a photo pixel to see its samples, ray space to see where a ray meets the scene</source>
        <translation>Über der Szene die Linie eines Punkts im Strahlenraum sehen, über einem Fotopixel seine Abtastwerte, über dem Strahlenraum, wo ein Strahl die Szene trifft</translation>
    </message>
    <message>
        <source>Debug output</source>
        <translation>Diagnoseausgabe</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Scenes</source>
        <translation>&amp;Szenen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit Ombrel</source>
        <translation>Ombrel beenden</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</source>
        <translation>Bilder (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>, with title and axes</source>
        <translation>, mit Titel und Achsen</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
    <message>
        <source>Export Focal Stack &amp;Sheet…</source>
        <translation>Fokusstapel-Blatt e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Bild k&amp;opieren</translation>
    </message>
    <message>
        <source>Copy the picture last chosen in Export (at first, the scene)</source>
        <translation>Das zuletzt in Exportieren gewählte Bild kopieren (anfangs die Szene)</translation>
    </message>
    <message>
        <source>focus angle %L1°, depth of field %L2</source>
        <translation>Fokuswinkel %L1°, Schärfentiefe %L2</translation>
    </message>
    <message>
        <source>The scene (%L1)</source>
        <translation>Die Szene (%L1)</translation>
    </message>
    <message>
        <source>x: position along the plane lines →</source>
        <translation>x: Position entlang der Ebenenlinien →</translation>
    </message>
    <message>
        <source>y: height (lines at %L1 and %L2) →</source>
        <translation>y: Höhe (Linien bei %L1 und %L2) →</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray</source>
        <translation>Strahlenraum: ein Pixel je Strahl</translation>
    </message>
    <message>
        <source>u: where the ray crosses the upper line →</source>
        <translation>u: wo der Strahl die obere Linie kreuzt →</translation>
    </message>
    <message>
        <source>v: where the ray crosses the lower line →</source>
        <translation>v: wo der Strahl die untere Linie kreuzt →</translation>
    </message>
    <message>
        <source>The photo (%L1)</source>
        <translation>Das Foto (%L1)</translation>
    </message>
    <message>
        <source>photo pixel: position on the upper line →</source>
        <translation>Fotopixel: Position auf der oberen Linie →</translation>
    </message>
    <message>
        <source>Focal stack</source>
        <translation>Fokusstapel</translation>
    </message>
    <message>
        <source>Could not export “%L1”: only the scene and the focal stack sheet can be drawings; choose a PNG file for %L2. Nothing was written.</source>
        <translation>„%L1“ konnte nicht exportiert werden: nur die Szene und das Fokusstapel-Blatt können Zeichnungen sein; wählen Sie eine PNG-Datei für %L2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Exported %L1 to “%L2”.</source>
        <translation>%L1 nach „%L2“ exportiert.</translation>
    </message>
    <message>
        <source>There is no picture to copy yet.</source>
        <translation>Es gibt noch kein Bild zum Kopieren.</translation>
    </message>
    <message>
        <source>Copied %L1 to the clipboard.</source>
        <translation>%L1 in die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>The focal stack sheet is drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to export it.</source>
        <translation>Das Fokusstapel-Blatt wird aus der Optik der Szene gezeichnet: Schließen Sie das Lichtfeld (Datei ▸ Lichtfeld schließen), um es zu exportieren.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: %L2 Nothing was written.</source>
        <translation>„%L1“ konnte nicht exportiert werden: %L2 Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: a light field&apos;s views are photographs, not drawings; choose a PNG file. Nothing was written.</source>
        <translation>„%L1“ konnte nicht exportiert werden: Die Ansichten eines Lichtfelds sind Fotografien, keine Zeichnungen; wählen Sie eine PNG-Datei. Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the scene</source>
        <translation>die Szene</translation>
    </message>
    <message>
        <source>the ray space</source>
        <translation>den Strahlenraum</translation>
    </message>
    <message>
        <source>the ray space with marks and axes</source>
        <translation>den Strahlenraum mit Markierungen und Achsen</translation>
    </message>
    <message>
        <source>the photo</source>
        <translation>das Foto</translation>
    </message>
    <message>
        <source>the whole window</source>
        <translation>das ganze Fenster</translation>
    </message>
    <message>
        <source>the focal stack sheet</source>
        <translation>das Fokusstapel-Blatt</translation>
    </message>
    <message>
        <source>Could not export “%1”: %2. Nothing was written.</source>
        <translation>„%1“ konnte nicht exportiert werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>there is no picture yet</source>
        <translation>es gibt noch kein Bild</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens steht im Weg</translation>
    </message>
    <message>
        <source>the central view</source>
        <translation>die mittlere Ansicht</translation>
    </message>
    <message>
        <source>Central view</source>
        <translation>Mittlere Ansicht</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Szene</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>Strahlenraum</translation>
    </message>
    <message>
        <source>Ray space with marks and axes</source>
        <translation>Strahlenraum mit Markierungen und Achsen</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>Ganzes Fenster</translation>
    </message>
    <message>
        <source>Focal stack sheet</source>
        <translation>Fokusstapel-Blatt</translation>
    </message>
</context>
<context>
    <name>PointSpreadPlot</name>
    <message>
        <source>Point-spread function</source>
        <translation>Punktspreizfunktion</translation>
    </message>
    <message>
        <source>%L1% up: spot %L2 photo px wide</source>
        <translation>%L1 % hoch: Fleck %L2 Fotopixel breit</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verklei&amp;nern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Live Updates</source>
        <translation>&amp;Live-Aktualisierung</translation>
    </message>
    <message>
        <source>Render while a shape is dragged, and as soon as a new one is drawn</source>
        <translation>Rendern, während eine Form gezogen wird, und sobald eine neue gezeichnet ist</translation>
    </message>
    <message>
        <source>%1 is the largest zoom that fits this screen</source>
        <translation>%1 ist die größte Vergrößerung, die auf diesen Bildschirm passt</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Vergrößerung %1</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Präsentation</translation>
    </message>
    <message>
        <source>Full screen, the views as large as the screen allows; F5 or Escape leaves</source>
        <translation>Vollbild, die Ansichten so groß, wie der Bildschirm erlaubt; F5 oder Escape beendet</translation>
    </message>
    <message>
        <source>Leave Presentation</source>
        <translation>Präsentation verlassen</translation>
    </message>
    <message>
        <source>Presentation at %1</source>
        <translation>Präsentation mit %1</translation>
    </message>
</context>
<context>
    <name>RaySpaceAxes</name>
    <message>
        <source>u (upper line) →</source>
        <translation>u (obere Linie) →</translation>
    </message>
    <message>
        <source>v (lower line) →</source>
        <translation>v (untere Linie) →</translation>
    </message>
    <message>
        <source>v (lower line) ↑</source>
        <translation>v (untere Linie) ↑</translation>
    </message>
</context>
<context>
    <name>SceneDocument</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>Neue Szene</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>%1 öffnen</translation>
    </message>
    <message>
        <source>Opened “%1”.</source>
        <translation>„%1“ geöffnet.</translation>
    </message>
    <message>
        <source>Untitled.%1</source>
        <translation>Unbenannt.%1</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>„%1“ gespeichert.</translation>
    </message>
</context>
<context>
    <name>SceneFile</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 hat kein %2</translation>
    </message>
    <message>
        <source>%1: %2 is not an object</source>
        <translation>%1: %2 ist kein Objekt</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: %2 is %3, outside %4 to %5</source>
        <translation>%1: %2 ist %3, außerhalb von %4 bis %5</translation>
    </message>
    <message>
        <source>, rectangle</source>
        <translation>, Rechteck</translation>
    </message>
    <message>
        <source>, colour</source>
        <translation>, Farbe</translation>
    </message>
    <message>
        <source>%1: the image is not a text of PNG data</source>
        <translation>%1: das Bild ist kein Text aus PNG-Daten</translation>
    </message>
    <message>
        <source>%1: the image is not valid base64</source>
        <translation>%1: das Bild ist kein gültiges Base64</translation>
    </message>
    <message>
        <source>%1: the embedded image is not a PNG image</source>
        <translation>%1: das eingebettete Bild ist kein PNG-Bild</translation>
    </message>
    <message>
        <source>%1: the embedded image is too large (%2 x %3 pixels)</source>
        <translation>%1: das eingebettete Bild ist zu groß (%2 × %3 Pixel)</translation>
    </message>
    <message>
        <source>%1: the embedded image is damaged (%2)</source>
        <translation>%1: das eingebettete Bild ist beschädigt (%2)</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>Form %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 ist kein Objekt</translation>
    </message>
    <message>
        <source>%1: %2 is not a text</source>
        <translation>%1: %2 ist kein Text</translation>
    </message>
    <message>
        <source>%1 has an unknown kind %2</source>
        <translation>%1 hat eine unbekannte Art %2</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>die Szene</translation>
    </message>
    <message>
        <source>its format version is not a whole number from 1 up</source>
        <translation>seine Formatversion ist keine ganze Zahl ab 1</translation>
    </message>
    <message>
        <source>it was written by a newer Ombrel (format version %1; this one reads version %2)</source>
        <translation>sie wurde von einem neueren Ombrel geschrieben (Formatversion %1; dieses liest Version %2)</translation>
    </message>
    <message>
        <source>%1: %2 is not true or false</source>
        <translation>%1: %2 ist weder wahr noch falsch</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 ist keine ganze Zahl</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>die Lektion</translation>
    </message>
    <message>
        <source>%1: %2 is not one of box, tent, gaussian, twoSlits, pinholes</source>
        <translation>%1: %2 ist keines von box, tent, gaussian, twoSlits, pinholes</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>it is not a scene file (not JSON: %1 at byte %2)</source>
        <translation>sie ist keine Szenendatei (kein JSON: %1 bei Byte %2)</translation>
    </message>
    <message>
        <source>it is JSON but not an Ombrel scene</source>
        <translation>sie ist JSON, aber keine Ombrel-Szene</translation>
    </message>
    <message>
        <source>its %1 are not a list</source>
        <translation>ihre %1 sind keine Liste</translation>
    </message>
    <message>
        <source>it holds %1 shapes, more than the %2 Ombrel opens</source>
        <translation>sie enthält %1 Formen, mehr als die %2, die Ombrel öffnet</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>%1 konnte nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it is a folder, not a scene file</source>
        <translation>es ist ein Ordner, keine Szenendatei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than any scene file Ombrel opens (%1 MB)</source>
        <translation>sie ist größer als jede Szenendatei, die Ombrel öffnet (%1 MB)</translation>
    </message>
    <message>
        <source>Could not save %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>%1 konnte nicht gespeichert werden: %2. Eine frühere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>ein Ordner dieses Namens steht im Weg</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>rectangle</source>
        <comment>in a sentence</comment>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>circle</source>
        <comment>in a sentence</comment>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>triangle</source>
        <comment>in a sentence</comment>
        <translation>Dreieck</translation>
    </message>
</context>
<context>
    <name>SlopeStrip</name>
    <message>
        <source>Depth estimated from the slopes in ray space at each photo pixel; the legend runs from the lower line (0) to the upper line (1).</source>
        <translation>Tiefe, aus den Neigungen im Strahlenraum an jedem Fotopixel geschätzt; die Legende reicht von der unteren Linie (0) bis zur oberen Linie (1).</translation>
    </message>
    <message>
        <source>λ 0: lower line</source>
        <translation>λ 0: untere Linie</translation>
    </message>
    <message>
        <source>upper line: 1</source>
        <translation>obere Linie: 1</translation>
    </message>
</context>
<context>
    <name>SpectrumDock</name>
    <message>
        <source>Spectrum</source>
        <translation>Spektrum</translation>
    </message>
    <message>
        <source>log |DFT| of ray space: slice (orange), fan (blue)</source>
        <translation>log |DFT| des Strahlenraums: Schnitt (orange), Fächer (blau)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects; the fan lies between the lines of the nearest and farthest shapes.</source>
        <translation>Der Schnitt ist die Linie, die der Fokuswinkel wählt; der Fächer liegt zwischen den Linien der nächsten und der fernsten Form.</translation>
    </message>
    <message>
        <source>Photo |DFT| (black), slice values (orange)</source>
        <translation>Foto |DFT| (schwarz), Schnittwerte (orange)</translation>
    </message>
    <message>
        <source>Both on a log scale. They meet for a photo through the whole aperture, the projection the slice stands for.</source>
        <translation>Beide logarithmisch. Sie stimmen überein für ein Foto durch die ganze Blende, die Projektion, für die der Schnitt steht.</translation>
    </message>
    <message>
        <source>Spectru&amp;m</source>
        <translation>Spektru&amp;m</translation>
    </message>
    <message>
        <source>log |DFT| of the epipolar-plane image: slice (orange)</source>
        <translation>log |DFT| des Epipolarebenenbilds: Schnitt (orange)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects. A real light field&apos;s depths are not known, so no fan is drawn.</source>
        <translation>Der Schnitt ist die Linie, die der Fokuswinkel wählt. Die Tiefen eines echten Lichtfelds sind nicht bekannt, daher wird kein Fächer gezeichnet.</translation>
    </message>
    <message>
        <source>Across: cycles along a view&apos;s %1 pixels, %2 to %3. Down: cycles across the %4 views, %5 to %6. Zero frequency at the centre.</source>
        <translation>Waagerecht: Perioden über die %1 Pixel einer Ansicht, %2 bis %3. Senkrecht: Perioden über die %4 Ansichten, %5 bis %6. Frequenz null in der Mitte.</translation>
    </message>
    <message>
        <source>Across: k_u, cycles along the upper line. Down: k_r, cycles along the lower line. Zero frequency at the centre.</source>
        <translation>Waagerecht: k_u, Perioden entlang der oberen Linie. Senkrecht: k_r, Perioden entlang der unteren Linie. Frequenz null in der Mitte.</translation>
    </message>
    <message>
        <source>No light field to transform yet.</source>
        <translation>Noch kein Lichtfeld zum Transformieren.</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>Rendered in %1 ms</source>
        <translation>In %1 ms gerendert</translation>
    </message>
    <message>
        <source>Photo taken in %1 ms</source>
        <translation>Foto in %1 ms aufgenommen</translation>
    </message>
    <message>
        <source>The ray space and the photo show the scene as it was at the last render</source>
        <translation>Strahlenraum und Foto zeigen die Szene, wie sie beim letzten Rendern war</translation>
    </message>
    <message>
        <source>Scene changed: press Render</source>
        <translation>Szene geändert: Rendern drücken</translation>
    </message>
    <message>
        <source>Could not use “%1” as a fill: %2</source>
        <translation>„%1“ konnte nicht als Füllung verwendet werden: %2</translation>
    </message>
</context>
<context>
    <name>TeachingAids</name>
    <message>
        <source>Show &amp;Focus Depth</source>
        <translation>&amp;Fokustiefe zeigen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>&amp;Link Scene and Ray Space</source>
        <translation>Szene und Strahlenraum &amp;verknüpfen</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Focus on &amp;Selection</source>
        <translation>Auf &amp;Auswahl fokussieren</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>S&amp;weep Focus</source>
        <translation>Fokus &amp;durchlaufen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>%L1°: nothing is sharp (%L2)</source>
        <translation>%L1°: nichts ist scharf (%L2)</translation>
    </message>
    <message>
        <source>%L1°, a pinhole: every height is sharp</source>
        <translation>%L1°, Lochblende: jede Höhe ist scharf</translation>
    </message>
    <message>
        <source>%L1°, sharp at %L2% of the way up</source>
        <translation>%L1°, scharf bei %L2 % der Höhe</translation>
    </message>
    <message>
        <source>blur ≥ %L1 px</source>
        <translation>Unschärfe ≥ %L1 px</translation>
    </message>
    <message>
        <source>blur &gt; 1 px</source>
        <translation>Unschärfe &gt; 1 px</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2</source>
        <translation>%L1 · Blende %L2</translation>
    </message>
    <message>
        <source>pinhole</source>
        <translation>Lochblende</translation>
    </message>
    <message>
        <source>%L1 each side</source>
        <translation>%L1 je Seite</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2, drawn %L3</source>
        <translation>%L1 · Blende %L2, gezeichnet %L3</translation>
    </message>
    <message>
        <source>Scene x = %L1, y = %L2</source>
        <translation>Szene x = %L1, y = %L2</translation>
    </message>
    <message>
        <source>%L1: outside the strip between the plane lines</source>
        <translation>%L1: außerhalb des Streifens zwischen den Ebenenlinien</translation>
    </message>
    <message>
        <source>more than one photo pixel</source>
        <translation>mehr als ein Fotopixel</translation>
    </message>
    <message>
        <source>%L1 photo pixels</source>
        <translation>%L1 Fotopixel</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° focuses on it, yet it blurs over %L4</source>
        <translation>%L1: bei %L2 der Höhe; ein Fokuswinkel von %L3° fokussiert darauf, doch es verschwimmt über %L4</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° makes it sharp</source>
        <translation>%L1: bei %L2 der Höhe; ein Fokuswinkel von %L3° macht es scharf</translation>
    </message>
    <message>
        <source>Ray from u = %L1 on the upper line to v = %L2 on the lower line</source>
        <translation>Strahl von u = %L1 auf der oberen Linie zu v = %L2 auf der unteren Linie</translation>
    </message>
    <message>
        <source>%L1: white: meets nothing</source>
        <translation>%L1: weiß: trifft nichts</translation>
    </message>
    <message>
        <source>%L1: meets %L2</source>
        <translation>%L1: trifft %L2</translation>
    </message>
    <message>
        <source>%L1; %L2</source>
        <translation>%L1; %L2</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the mean of %L3 of its %L4 samples</source>
        <translation>Fotopixel %L1: %L2, der Mittelwert von %L3 seiner %L4 Abtastwerte</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the weighted mean of %L3 of its %L4 samples</source>
        <translation>Fotopixel %L1: %L2, der gewichtete Mittelwert von %L3 seiner %L4 Abtastwerte</translation>
    </message>
    <message>
        <source>%L1; nothing is sharp (%L2)</source>
        <translation>%L1; nichts ist scharf (%L2)</translation>
    </message>
    <message>
        <source>%L1; a pinhole: every height is sharp</source>
        <translation>%L1; Lochblende: jede Höhe ist scharf</translation>
    </message>
    <message>
        <source>%L1; sharp at y = %L2 (%L3 up)</source>
        <translation>%L1; scharf bei y = %L2 (%L3 hoch)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sample(s) each side</source>
        <translation>
            <numerusform>%Ln Abtastwert je Seite</numerusform>
            <numerusform>%Ln Abtastwerte je Seite</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lightfieldviews::EpiView</name>
    <message>
        <source>pixel →</source>
        <translation>Pixel →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>Ansicht →</translation>
    </message>
</context>
<context>
    <name>viewaccessibility</name>
    <message>
        <source>rectangle</source>
        <translation>Rechteck</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>Dreieck</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>ohne Farbe</translation>
    </message>
    <message>
        <source>black</source>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>white</source>
        <translation>weiß</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>grau</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rot</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>orange</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>gelb</translation>
    </message>
    <message>
        <source>green</source>
        <translation>grün</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cyan</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>blau</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>violett</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>image-filled</source>
        <translation>mit Bild gefüllt</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4 across, %5% up</source>
        <translation>%2, %1, waagerecht %3 bis %4, %5 % hoch</translation>
    </message>
    <message>
        <source>Shapes between the plane lines: %1</source>
        <translation>Formen zwischen den Ebenenlinien: %1</translation>
    </message>
    <message>
        <source>selected: %1</source>
        <translation>ausgewählt: %1</translation>
    </message>
    <message>
        <source>Nothing rendered yet</source>
        <translation>Noch nichts berechnet</translation>
    </message>
    <message>
        <source>Every ray between the plane lines, %1 by %2: column u is where a ray crosses the upper line, row v from the bottom where it crosses the lower line</source>
        <translation>Jeder Strahl zwischen den Ebenenlinien, %1 mal %2: Spalte u ist, wo ein Strahl die obere Linie kreuzt, Zeile v von unten, wo er die untere Linie kreuzt</translation>
    </message>
    <message>
        <source>A photo %1 pixels wide taken from the ray space</source>
        <translation>Ein Foto, %1 Pixel breit, aus dem Strahlenraum aufgenommen</translation>
    </message>
    <message>
        <source>At the cursor: the ray from %1 on the upper line to %2 on the lower line, %3</source>
        <translation>Am Cursor: der Strahl von %1 auf der oberen Linie zu %2 auf der unteren Linie, %3</translation>
    </message>
    <message>
        <source>At the cursor: pixel %1, %2</source>
        <translation>Am Cursor: Pixel %1, %2</translation>
    </message>
</context>
</TS>
