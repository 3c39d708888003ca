<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Application</name>
    <message>
        <source>Opened “%1”. Ombrel opens one lesson at a time; not opened: %2.</source>
        <translation>Se abrió «%1». Ombrel abre una lección cada vez; sin abrir: %2.</translation>
    </message>
</context>
<context>
    <name>BuiltInScenes</name>
    <message>
        <source>Billboards</source>
        <translation>Carteles</translation>
    </message>
    <message>
        <source>Three bars at three depths: each is a band in ray space, its slope set by its depth.</source>
        <translation>Tres barras a tres profundidades: cada una es una banda en el espacio de rayos, con la pendiente que fija su profundidad.</translation>
    </message>
    <message>
        <source>Two Dots</source>
        <translation>Dos puntos</translation>
    </message>
    <message>
        <source>Dots at a quarter and three quarters of the way up: two lines of different slopes in ray space.</source>
        <translation>Puntos a un cuarto y a tres cuartos de la altura: dos líneas de pendientes distintas en el espacio de rayos.</translation>
    </message>
    <message>
        <source>Occluder</source>
        <translation>Oclusión</translation>
    </message>
    <message>
        <source>A bar in front of a wider wall: where both lie on a ray, ray space shows the one nearer the lower line.</source>
        <translation>Una barra delante de una pared más ancha: donde ambas están en un rayo, el espacio de rayos muestra la más cercana a la línea inferior.</translation>
    </message>
    <message>
        <source>Picket Fence</source>
        <translation>Valla de estacas</translation>
    </message>
    <message>
        <source>Bars at one depth: sharp stripes in the photo only when the focus reaches their depth.</source>
        <translation>Barras a una misma profundidad: franjas nítidas en la foto solo cuando el enfoque alcanza su profundidad.</translation>
    </message>
    <message>
        <source>Depth Ladder</source>
        <translation>Escalera de profundidades</translation>
    </message>
    <message>
        <source>Five bars at evenly spaced heights: sweep the focus to bring each into focus in turn.</source>
        <translation>Cinco barras a alturas equiespaciadas: barre el enfoque para enfocar cada una por turno.</translation>
    </message>
    <message>
        <source>Blank</source>
        <translation>Vacía</translation>
    </message>
    <message>
        <source>An empty scene: white rays and a white photo, ready for shapes of your own.</source>
        <translation>Una escena vacía: rayos blancos y una foto blanca, lista para tus propias formas.</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatoria</translation>
    </message>
    <message>
        <source>Shapes of random kinds, places and colours: guess their depths from ray space.</source>
        <translation>Formas de tipos, posiciones y colores aleatorios: adivina sus profundidades a partir del espacio de rayos.</translation>
    </message>
</context>
<context>
    <name>CameraPanel</name>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Viewpoint</source>
        <translation>Punto de vista</translation>
    </message>
    <message>
        <source>Where the aperture&apos;s centre sits on the lower line: moving it gives parallax</source>
        <translation>Dónde está el centro de la apertura en la línea inferior: moverlo produce paralaje</translation>
    </message>
    <message>
        <source>Viewpoint:</source>
        <translation>Punto de vista:</translation>
    </message>
    <message>
        <source>Box</source>
        <translation>Caja</translation>
    </message>
    <message>
        <source>Tent</source>
        <translation>Tienda</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gaussiana</translation>
    </message>
    <message>
        <source>Two slits</source>
        <translation>Dos rendijas</translation>
    </message>
    <message>
        <source>K pinholes</source>
        <translation>K estenopos</translation>
    </message>
    <message>
        <source>How the aperture weighs its samples: the blur takes its shape</source>
        <translation>Cómo pondera la apertura sus muestras: el desenfoque toma su forma</translation>
    </message>
    <message>
        <source>Aperture:</source>
        <translation>Apertura:</translation>
    </message>
    <message>
        <source>How many pinholes spread over the aperture: a camera array</source>
        <translation>Cuántos estenopos se reparten por la apertura: una matriz de cámaras</translation>
    </message>
    <message>
        <source>Pinholes K:</source>
        <translation>Estenopos K:</translation>
    </message>
    <message>
        <source>Keep aperture width</source>
        <translation>Mantener el ancho de apertura</translation>
    </message>
    <message>
        <source>The depth-of-field slider sets the aperture&apos;s width on the lower line, so refocusing keeps the aperture, as a real camera does</source>
        <translation>El control de profundidad de campo fija el ancho de la apertura en la línea inferior, de modo que reenfocar conserva la apertura, como hace una cámara real</translation>
    </message>
    <message>
        <source>&amp;Camera</source>
        <translation>&amp;Cámara</translation>
    </message>
    <message>
        <source>A pinhole photo is one row of ray space.</source>
        <translation>Una foto estenopeica es una fila del espacio de rayos.</translation>
    </message>
    <message>
        <source>Aperture %L1 wide on the lower line: d = %L2 samples at %L3°</source>
        <translation>Apertura de %L1 de ancho en la línea inferior: d = %L2 muestras a %L3°</translation>
    </message>
    <message>
        <source>Capped at d = %L1 (the image&apos;s width): near 0° the width would need ever more samples</source>
        <translation>Limitado a d = %L1 (el ancho de la imagen): cerca de 0° el ancho necesitaría cada vez más muestras</translation>
    </message>
    <message>
        <source>The photo is ray-space row %L1 from the bottom (highlighted).</source>
        <translation>La foto es la fila %L1 del espacio de rayos desde abajo (resaltada).</translation>
    </message>
    <message>
        <source>p = %L1, the centre</source>
        <translation>p = %L1, el centro</translation>
    </message>
    <message>
        <source>p = %L1, %L2 left of the centre</source>
        <translation>p = %L1, %L2 a la izquierda del centro</translation>
    </message>
    <message>
        <source>p = %L1, %L2 right of the centre</source>
        <translation>p = %L1, %L2 a la derecha del centro</translation>
    </message>
    <message>
        <source>Render to place the camera</source>
        <translation>Renderiza para colocar la cámara</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>magenta</source>
        <translation>magenta</translation>
    </message>
    <message>
        <source>Photo pixel %L1 takes no sample</source>
        <translation>El píxel de foto %L1 no toma ninguna muestra</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>bar</source>
        <translation>barra</translation>
    </message>
    <message>
        <source>the %L1 %L2</source>
        <translation>%L2 (%L1)</translation>
    </message>
    <message>
        <source>something %L1</source>
        <translation>algo (%L1)</translation>
    </message>
    <message>
        <source>%L1 (%L2%)</source>
        <translation>%L1 (%L2 %)</translation>
    </message>
    <message>
        <source>Photo pixel %L1 sees %L2 through %L3% of the aperture</source>
        <translation>El píxel de foto %L1 ve %L2 a través del %L3 % de la apertura</translation>
    </message>
    <message>
        <source>, the rest meets %L1</source>
        <translation>; el resto alcanza %L1</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>At %L1% up, moving the viewpoint 1 right moves the image %L2 photo px left</source>
        <translation>Al %L1 % de altura, mover el punto de vista 1 a la derecha mueve la imagen %L2 píxeles de foto a la izquierda</translation>
    </message>
    <message>
        <source>A row of views counts its aperture in views, which refocusing does not change: the depth-of-field slider sets how many</source>
        <translation>Una fila de vistas cuenta su apertura en vistas, que reenfocar no cambia: el deslizador de profundidad de campo dice cuántas</translation>
    </message>
    <message>
        <source>The viewpoint is the view read unshifted; the profile weighs the views around it, as many on each side as the depth of field says. The point-spread plot needs the scene&apos;s depths, which real views do not give.</source>
        <translation>El punto de vista es la vista que se lee sin desplazar; el perfil pondera las vistas a su alrededor, tantas a cada lado como dice la profundidad de campo. La gráfica de dispersión del punto necesita las profundidades de la escena, que las vistas reales no dan.</translation>
    </message>
</context>
<context>
    <name>DepthSlopes</name>
    <message>
        <source>Show Slop&amp;es</source>
        <translation>Mostrar pe&amp;ndientes</translation>
    </message>
    <message>
        <source>slopes give λ = %L1</source>
        <translation>las pendientes dan λ = %L1</translation>
    </message>
    <message>
        <source>slopes give no confident λ</source>
        <translation>las pendientes no dan un λ fiable</translation>
    </message>
    <message>
        <source>, true λ = %L1</source>
        <translation>, λ real = %L1</translation>
    </message>
    <message>
        <source>Show Slopes cannot read this light field here.</source>
        <translation>«Mostrar pendientes» no puede leer este campo de luz aquí.</translation>
    </message>
    <message>
        <source>Show Slopes needs at least 3 views to read slopes; this light field has %1.</source>
        <translation>«Mostrar pendientes» necesita al menos 3 vistas para leer pendientes; este campo de luz tiene %1.</translation>
    </message>
    <message>
        <source>Show Slopes reads only a square ray space, not %1 × %2 pixels.</source>
        <translation>«Mostrar pendientes» solo lee un espacio de rayos cuadrado, no %1 × %2 píxeles.</translation>
    </message>
    <message>
        <source>disparity %L1</source>
        <translation>disparidad %L1</translation>
    </message>
    <message>
        <source>%L1 px per view</source>
        <translation>%L1 px por vista</translation>
    </message>
    <message>
        <source>slopes give disparity %L1 px per view</source>
        <translation>las pendientes dan una disparidad de %L1 px por vista</translation>
    </message>
    <message>
        <source>slopes give no confident disparity</source>
        <translation>las pendientes no dan una disparidad fiable</translation>
    </message>
</context>
<context>
    <name>DocumentDialogs</name>
    <message>
        <source>Export Picture</source>
        <translation>Exportar imagen</translation>
    </message>
    <message>
        <source>Add a &amp;title, the axes&apos; names and the focus line</source>
        <translation>Añadir un &amp;título, los nombres de los ejes y la línea de enfoque</translation>
    </message>
    <message>
        <source>Around the scene, the ray space or the photo: a title with the optics and the names of the axes; on the scene also the focus line and sharp band when View ▸ Show Focus Depth is on</source>
        <translation>Alrededor de la escena, el espacio de rayos o la foto: un título con la óptica y los nombres de los ejes; en la escena también la línea de enfoque y la banda nítida cuando Ver ▸ Mostrar profundidad de enfoque está activado</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Guardar…</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Imagen:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Open Scene</source>
        <translation>Abrir escena</translation>
    </message>
    <message>
        <source>Ombrel scenes (*.ombrel)</source>
        <translation>Escenas de Ombrel (*.ombrel)</translation>
    </message>
    <message>
        <source>Save Scene</source>
        <translation>Guardar escena</translation>
    </message>
    <message>
        <source>Ombrel</source>
        <translation>Ombrel</translation>
    </message>
    <message>
        <source>Save the changes to the untitled scene?</source>
        <translation>¿Guardar los cambios de la escena sin título?</translation>
    </message>
    <message>
        <source>Save the changes to “%1”?</source>
        <translation>¿Guardar los cambios de «%1»?</translation>
    </message>
    <message>
        <source>Your changes are lost if you don&apos;t save them.</source>
        <translation>Los cambios se perderán si no los guardas.</translation>
    </message>
    <message>
        <source>PNG images (*.png);;SVG drawings (*.svg)</source>
        <translation>Imágenes PNG (*.png);;Dibujos SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>Imágenes PNG (*.png)</translation>
    </message>
</context>
<context>
    <name>EditActions</name>
    <message>
        <source>Draw</source>
        <translation>Dibujar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Redimensionar</translation>
    </message>
    <message>
        <source>Nudge</source>
        <translation>Desplazar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Rellenar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplicar</translation>
    </message>
    <message>
        <source>Bring to &amp;Front</source>
        <translation>Traer al &amp;frente</translation>
    </message>
    <message>
        <source>Send to &amp;Back</source>
        <translation>Enviar al fo&amp;ndo</translation>
    </message>
    <message>
        <source>&amp;Colour…</source>
        <translation>C&amp;olor…</translation>
    </message>
    <message>
        <source>Remove &amp;Image Fill</source>
        <translation>Quitar el relleno de &amp;imagen</translation>
    </message>
    <message>
        <source>Draw %1</source>
        <translation>Dibujar %1</translation>
    </message>
    <message>
        <source>Copied the %1</source>
        <translation>Copiado: %1</translation>
    </message>
    <message>
        <source>the clipboard</source>
        <translation>el portapapeles</translation>
    </message>
    <message>
        <source>The clipboard holds no shapes Ombrel can read</source>
        <translation>El portapapeles no contiene formas que Ombrel pueda leer</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Bring to Front</source>
        <translation>Traer al frente</translation>
    </message>
    <message>
        <source>Send to Back</source>
        <translation>Enviar al fondo</translation>
    </message>
    <message>
        <source>Shape Colour</source>
        <translation>Color de la forma</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Remove Image Fill</source>
        <translation>Quitar el relleno de imagen</translation>
    </message>
    <message>
        <source>%1 Scene</source>
        <translation>Escena %1</translation>
    </message>
    <message>
        <source>%1 (seed %2)</source>
        <translation>%1 (semilla %2)</translation>
    </message>
</context>
<context>
    <name>FocalStack</name>
    <message>
        <source>%L1 · focused at y = %L2</source>
        <translation>%L1 · enfocado en y = %L2</translation>
    </message>
    <message>
        <source>Focal stack: the photo at nine focus angles, depth of field %L1</source>
        <translation>Pila de enfoque: la foto con nueve ángulos de enfoque, profundidad de campo %L1</translation>
    </message>
    <message>
        <source>All in focus and depth per photo pixel, depth of field %L1</source>
        <translation>Todo enfocado y profundidad por píxel de foto, profundidad de campo %L1</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest focus angle</source>
        <translation>Todo enfocado: cada píxel en su ángulo de enfoque más nítido</translation>
    </message>
    <message>
        <source>Depth from focus: blue at the lower line to red at the upper, white none</source>
        <translation>Profundidad por enfoque: azul en la línea inferior hasta rojo en la superior, blanco ninguna</translation>
    </message>
    <message>
        <source>Depth from the slopes in ray space, in the same colours</source>
        <translation>Profundidad por las pendientes en el espacio de rayos, con los mismos colores</translation>
    </message>
</context>
<context>
    <name>FocalStackDock</name>
    <message>
        <source>Focal Stack</source>
        <translation>Pila de enfoque</translation>
    </message>
    <message>
        <source>Depth from focus (colours as Show Slopes)</source>
        <translation>Profundidad por enfoque (colores como Mostrar pendientes)</translation>
    </message>
    <message>
        <source>All in focus: each pixel at its sharpest angle</source>
        <translation>Todo enfocado: cada píxel en su ángulo más nítido</translation>
    </message>
    <message>
        <source>Local sharpness of the hovered photo pixel against the focus angle, 0° to 90°; the dashed line is the current angle.</source>
        <translation>Nitidez local del píxel de foto señalado según el ángulo de enfoque, de 0° a 90°; la línea discontinua es el ángulo actual.</translation>
    </message>
    <message>
        <source>Focal Stac&amp;k</source>
        <translation>Pila de enfo&amp;que</translation>
    </message>
    <message>
        <source>sharpest at λ = %L1</source>
        <translation>más nítido en λ = %L1</translation>
    </message>
    <message>
        <source>alike at every angle</source>
        <translation>igual en todos los ángulos</translation>
    </message>
    <message>
        <source>Sharpness, photo pixel %L1: %L2</source>
        <translation>Nitidez, píxel de foto %L1: %L2</translation>
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
        <translation>La pila de enfoque no puede recorrer este campo de luz de %1 × %2 píxeles.</translation>
    </message>
    <message>
        <source>Depth from focus (blue: nearest, red: farthest)</source>
        <translation>Profundidad por enfoque (azul: lo más cercano, rojo: lo más lejano)</translation>
    </message>
    <message>
        <source>sharpest at disparity %L1 px per view</source>
        <translation>más nítido en la disparidad %L1 px por vista</translation>
    </message>
</context>
<context>
    <name>HelpWindows</name>
    <message>
        <source>&amp;Quick Guide</source>
        <translation>&amp;Guía rápida</translation>
    </message>
    <message>
        <source>&amp;About Ombrel</source>
        <translation>&amp;Acerca de Ombrel</translation>
    </message>
    <message>
        <source>Ombrel Quick Guide</source>
        <translation>Guía rápida de Ombrel</translation>
    </message>
    <message>
        <source>About Ombrel</source>
        <translation>Acerca de Ombrel</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Light-field photography in two dimensions: arrange shapes between two plane lines, see every ray that crosses them, and take photos focused at any depth.&lt;/p&gt;&lt;p&gt;Licensed under the Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Built with Qt %2, running on Qt %3.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Ombrel %1&lt;/h3&gt;&lt;p&gt;Fotografía de campo de luz en dos dimensiones: coloca formas entre dos líneas de plano, ve cada rayo que las cruza y toma fotos enfocadas a cualquier profundidad.&lt;/p&gt;&lt;p&gt;Con licencia Apache License, Version 2.0.&lt;/p&gt;&lt;p&gt;Compilado con Qt %2, funcionando con Qt %3.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>HighContrast</name>
    <message>
        <source>&amp;High Contrast</source>
        <translation>A&amp;lto contraste</translation>
    </message>
    <message>
        <source>Draw the overlays thicker, in dark colours edged in white, so they read on a projector</source>
        <translation>Dibujar las superposiciones más gruesas, en colores oscuros bordeados de blanco, para que se lean en un proyector</translation>
    </message>
</context>
<context>
    <name>ImageFile</name>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>not an image</source>
        <translation>no es una imagen</translation>
    </message>
    <message>
        <source>too large</source>
        <translation>demasiado grande</translation>
    </message>
</context>
<context>
    <name>KeyboardAccess</name>
    <message>
        <source>Select &amp;Next Shape</source>
        <translation>Seleccionar la forma &amp;siguiente</translation>
    </message>
    <message>
        <source>Select Pre&amp;vious Shape</source>
        <translation>Seleccionar la forma an&amp;terior</translation>
    </message>
    <message>
        <source>Draw Shape in the &amp;Middle</source>
        <translation>Dibujar forma en el cent&amp;ro</translation>
    </message>
    <message>
        <source>Pick Rectangle, Circle or Triangle first</source>
        <translation>Elige primero Rectángulo, Círculo o Triángulo</translation>
    </message>
    <message>
        <source>Move Cursor Left</source>
        <translation>Mover el cursor a la izquierda</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Right</source>
        <translation>Mover el cursor a la derec&amp;ha</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Up</source>
        <translation>Mover el cursor hacia a&amp;rriba</translation>
    </message>
    <message>
        <source>Move Cursor &amp;Down</source>
        <translation>Mover el cursor hacia aba&amp;jo</translation>
    </message>
    <message>
        <source>Click a&amp;t Cursor</source>
        <translation>Hacer clic en el c&amp;ursor</translation>
    </message>
    <message>
        <source>Click at Cursor focuses from the scene or the photo</source>
        <translation>Hacer clic en el cursor enfoca desde la escena o la foto</translation>
    </message>
</context>
<context>
    <name>LightFieldDocument</name>
    <message>
        <source>Central view</source>
        <translation>Vista central</translation>
    </message>
    <message>
        <source>Ray space of the scanline</source>
        <translation>Espacio de rayos de la línea de exploración</translation>
    </message>
    <message>
        <source>Refocused scanline</source>
        <translation>Línea de exploración reenfocada</translation>
    </message>
    <message>
        <source>Open Light Field</source>
        <translation>Abrir campo de luz</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>The views form a grid. Open which row?</source>
        <translation>Las vistas forman una cuadrícula. ¿Qué fila abrir?</translation>
    </message>
    <message>
        <source>Open &amp;Light Field…</source>
        <translation>Abrir campo de &amp;luz…</translation>
    </message>
    <message>
        <source>Open a row of camera views (a folder) or one epipolar-plane image</source>
        <translation>Abrir una fila de vistas de cámara (una carpeta) o una imagen de plano epipolar</translation>
    </message>
    <message>
        <source>&amp;Close Light Field</source>
        <translation>Ce&amp;rrar campo de luz</translation>
    </message>
    <message>
        <source>Go back to the scene</source>
        <translation>Volver a la escena</translation>
    </message>
    <message>
        <source>Opening the light field…</source>
        <translation>Abriendo el campo de luz…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled; nothing changed.</source>
        <translation>Se canceló la apertura del campo de luz; no cambió nada.</translation>
    </message>
    <message>
        <source>%1 — Light Field — Ombrel</source>
        <translation>%1 — Campo de luz — Ombrel</translation>
    </message>
    <message>
        <source>Closed the light field; back to the scene.</source>
        <translation>Se cerró el campo de luz; de vuelta a la escena.</translation>
    </message>
    <message>
        <source>The central camera view. Drag the red scanline, or press the up and down arrow keys, to cut the ray space at another row.</source>
        <translation>La vista central de la cámara. Arrastre la línea de exploración roja, o pulse las flechas arriba y abajo, para cortar el espacio de rayos en otra fila.</translation>
    </message>
    <message>
        <source>The ray space of the scanline: one row per camera view (view 0 at the bottom), one column per pixel. A point at one depth is a line.</source>
        <translation>El espacio de rayos de la línea de exploración: una fila por vista de cámara (la vista 0 abajo), una columna por píxel. Un punto a una profundidad es una recta.</translation>
    </message>
    <message>
        <source>The scanline refocused by shifting and averaging the views. Hover a pixel to see its samples in ray space; click it to focus there.</source>
        <translation>La línea de exploración reenfocada desplazando y promediando las vistas. Pase sobre un píxel para ver sus muestras en el espacio de rayos; haga clic en él para enfocar allí.</translation>
    </message>
    <message>
        <source>Views or epipolar image (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</source>
        <translation>Vistas o imagen epipolar (*.png *.jpg *.jpeg *.bmp *.ppm *.tif *.tiff *.webp)</translation>
    </message>
    <message>
        <source>no view takes part</source>
        <translation>ninguna vista participa</translation>
    </message>
    <message>
        <source>Works on the scene: close the light field (File ▸ Close Light Field) to use it. A real light field has no shapes or planes to act on.</source>
        <translation>Actúa sobre la escena: cierre el campo de luz (Archivo ▸ Cerrar campo de luz) para usarlo. Un campo de luz real no tiene formas ni planos sobre los que actuar.</translation>
    </message>
    <message>
        <source>Drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to use it.</source>
        <translation>Dibujado a partir de la óptica de la escena: cierre el campo de luz (Archivo ▸ Cerrar campo de luz) para usarlo.</translation>
    </message>
    <message>
        <source>%L1° — disparity %2 px per view</source>
        <translation>%L1° — disparidad %2 px por vista</translation>
    </message>
    <message>
        <source>Row %L1</source>
        <translation>Fila %L1</translation>
    </message>
    <message>
        <source>views %L1 to %L2 (%L3 of %L4)</source>
        <translation>vistas %L1 a %L2 (%L3 de %L4)</translation>
    </message>
    <message>
        <source>%L1 of the views %L2 to %L3 (%L4 in all)</source>
        <translation>%L1 de las vistas %L2 a %L3 (%L4 en total)</translation>
    </message>
    <message>
        <source>Opened the light field “%1”: %L2 views of %L3 × %L4 pixels.</source>
        <translation>Se abrió el campo de luz «%1»: %L2 vistas de %L3 × %L4 píxeles.</translation>
    </message>
    <message>
        <source>Photo pixel %L1: no view sees it; it is white</source>
        <translation>Píxel %L1 de la foto: ninguna vista lo ve; es blanco</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>Píxel %L1 de la foto: la media de las vistas %L2 a %L3 a lo largo de la disparidad %L4 px por vista</translation>
    </message>
    <message>
        <source>Photo pixel %L1: the weighted mean of views %L2 to %L3 along disparity %L4 px per view</source>
        <translation>Píxel %L1 de la foto: la media ponderada de las vistas %L2 a %L3 a lo largo de la disparidad %L4 px por vista</translation>
    </message>
    <message>
        <source>Too few views see pixel %L1 to find its depth.</source>
        <translation>Demasiado pocas vistas ven el píxel %L1 para hallar su profundidad.</translation>
    </message>
    <message>
        <source>Focused on pixel %L1: its samples fit best at disparity %L2 px per view (%L3°).</source>
        <translation>Enfocado en el píxel %L1: sus muestras encajan mejor con la disparidad %L2 px por vista (%L3°).</translation>
    </message>
</context>
<context>
    <name>LightFieldLoader</name>
    <message>
        <source>The folder &quot;%1&quot; holds more than %2 files: a light field has at most %3 rows of %3 views.</source>
        <translation>La carpeta «%1» contiene más de %2 archivos: un campo de luz tiene como máximo %3 filas de %3 vistas.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds no images.</source>
        <translation>La carpeta «%1» no contiene imágenes.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; both name the view at row %3, column %4.</source>
        <translation>«%1» y «%2» nombran ambos la vista de la fila %3, columna %4.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read (%2): was it moved or deleted while opening?</source>
        <translation>No se pudo leer «%1» (%2): ¿se movió o eliminó mientras se abría?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is cut short: the JPEG file is incomplete.</source>
        <translation>«%1» está cortado: el archivo JPEG está incompleto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be decoded: %2.</source>
        <translation>No se pudo decodificar «%1»: %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, the other views %4 x %5: every view must be the same size.</source>
        <translation>«%1» mide %2 x %3 píxeles y las demás vistas %4 x %5: todas las vistas deben tener el mismo tamaño.</translation>
    </message>
    <message>
        <source>Opening the light field was cancelled.</source>
        <translation>Se canceló la apertura del campo de luz.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be read: was it moved or deleted while opening?</source>
        <translation>No se pudo leer «%1»: ¿se movió o eliminó mientras se abría?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an image Ombrel can read.</source>
        <translation>«%1» no es una imagen que Ombrel pueda leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels: views may be at most %4 pixels a side.</source>
        <translation>«%1» mide %2 x %3 píxeles: las vistas pueden tener como máximo %4 píxeles de lado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is %2 x %3 pixels, &quot;%4&quot; %5 x %6: every view must be the same size.</source>
        <translation>«%1» mide %2 x %3 píxeles y «%4» %5 x %6: todas las vistas deben tener el mismo tamaño.</translation>
    </message>
    <message>
        <source>A light field needs at least two views; there is only one.</source>
        <translation>Un campo de luz necesita al menos dos vistas; solo hay una.</translation>
    </message>
    <message>
        <source>A row of %1 views is more than Ombrel opens: at most %2.</source>
        <translation>Una fila de %1 vistas supera lo que abre Ombrel: como máximo %2.</translation>
    </message>
    <message>
        <source>%1 views of %2 x %3 pixels need %4 MB, more than the %5 MB Ombrel gives a light field.</source>
        <translation>%1 vistas de %2 x %3 píxeles necesitan %4 MB, más de los %5 MB que Ombrel da a un campo de luz.</translation>
    </message>
    <message>
        <source>The folder has no row %1 of views.</source>
        <translation>La carpeta no tiene la fila %1 de vistas.</translation>
    </message>
    <message>
        <source>The view at row %1, column %2 is missing.</source>
        <translation>Falta la vista de la fila %1, columna %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not exist.</source>
        <translation>«%1» no existe.</translation>
    </message>
</context>
<context>
    <name>LightFieldPictures</name>
    <message>
        <source>The central view (row %L1, scanline y %L2)</source>
        <translation>La vista central (fila %L1, línea de barrido y %L2)</translation>
    </message>
    <message>
        <source>The central view (scanline y %L1)</source>
        <translation>La vista central (línea de barrido y %L1)</translation>
    </message>
    <message>
        <source>x: pixel →</source>
        <translation>x: píxel →</translation>
    </message>
    <message>
        <source>y: pixel row from the top (the scanline in red)</source>
        <translation>y: fila de píxeles desde arriba (la línea de barrido en rojo)</translation>
    </message>
    <message>
        <source>Ray space of scanline y %L1: one pixel per ray</source>
        <translation>Espacio de rayos de la línea de barrido y %L1: un píxel por rayo</translation>
    </message>
    <message>
        <source>pixel →</source>
        <translation>píxel →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>vista →</translation>
    </message>
    <message>
        <source>The refocused scanline (focus angle %L1°, disparity %2 px per view, %3)</source>
        <translation>La línea de barrido reenfocada (ángulo de enfoque %L1°, disparidad %2 px por vista, %3)</translation>
    </message>
    <message>
        <source>photo pixel →</source>
        <translation>píxel de la foto →</translation>
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
        <translation>Escena</translation>
    </message>
    <message>
        <source>The scene.
Pointer: drag a shape to move it, a corner knob to resize it.
Other tools: drag to draw a new shape.
Arrow keys nudge the selection (Shift: 10); Space fills it with an image.</source>
        <translation>La escena.
Puntero: arrastra una forma para moverla, un tirador de esquina para redimensionarla.
Otras herramientas: arrastra para dibujar una forma nueva.
Las flechas desplazan la selección (Mayús: 10); Espacio la rellena con una imagen.</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>Espacio de rayos</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray.
Column u: where it crosses the red upper line.
Row v, from the bottom: where it crosses the black lower line.
Hover to see that ray in the scene.</source>
        <translation>Espacio de rayos: un píxel por rayo.
Columna u: donde cruza la línea superior roja.
Fila v, desde abajo: donde cruza la línea inferior negra.
Pasa el puntero para ver ese rayo en la escena.</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>The synthetic photo. Hover a pixel to see the bundle of rays it averages.</source>
        <translation>La foto sintética. Pasa el puntero por un píxel para ver el haz de rayos que promedia.</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Herramienta</translation>
    </message>
    <message>
        <source>Pointer</source>
        <translation>Puntero</translation>
    </message>
    <message>
        <source>Select, move and resize shapes</source>
        <translation>Seleccionar, mover y redimensionar formas</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a rectangle</source>
        <translation>Arrastra en la escena para dibujar un rectángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Drag on the scene to draw an oval</source>
        <translation>Arrastra en la escena para dibujar un óvalo</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>Drag on the scene to draw a triangle</source>
        <translation>Arrastra en la escena para dibujar un triángulo</translation>
    </message>
    <message>
        <source>Focus angle</source>
        <translation>Ángulo de enfoque</translation>
    </message>
    <message>
        <source>Angle of the sampling segment in ray space: chooses the depth that is sharp</source>
        <translation>Ángulo del segmento de muestreo en el espacio de rayos: elige la profundidad nítida</translation>
    </message>
    <message>
        <source>Focus readout</source>
        <translation>Indicador de enfoque</translation>
    </message>
    <message>
        <source>The focus angle and the depth in focus, from the lower line (0%) to the upper line (100%).
When no height blurs over one photo pixel (px) or less, nothing is sharp: the least blur is given.</source>
        <translation>El ángulo de enfoque y la profundidad enfocada, de la línea inferior (0 %) a la línea superior (100 %).
Cuando ninguna altura se desenfoca un píxel de foto (px) o menos, nada está nítido: se da el menor desenfoque.</translation>
    </message>
    <message>
        <source>Depth of field</source>
        <translation>Profundidad de campo</translation>
    </message>
    <message>
        <source>Half-length of the sampling segment in samples: the aperture; 0 is a pinhole</source>
        <translation>Media longitud del segmento de muestreo en muestras: la apertura; 0 es un estenopo</translation>
    </message>
    <message>
        <source>Depth of field readout</source>
        <translation>Indicador de profundidad de campo</translation>
    </message>
    <message>
        <source>Samples taken on each side of a photo pixel&apos;s centre, and the aperture:
how wide, in canvas units, one photo pixel&apos;s rays leave the lower line (2 × samples × sin of the angle).
The red marker has that width, or 2 where it would be narrower.</source>
        <translation>Muestras tomadas a cada lado del centro de un píxel de foto, y la apertura:
el ancho, en unidades del lienzo, con que los rayos de un píxel de foto salen de la línea inferior (2 × muestras × seno del ángulo).
El marcador rojo tiene ese ancho, o 2 donde sería más estrecho.</translation>
    </message>
    <message>
        <source>Focus on Selection</source>
        <translation>Enfocar la selección</translation>
    </message>
    <message>
        <source>Turn the focus angle so the selected shape&apos;s centre is sharp</source>
        <translation>Gira el ángulo de enfoque para que el centro de la forma seleccionada quede nítido</translation>
    </message>
    <message>
        <source>Sweep Focus</source>
        <translation>Barrer el enfoque</translation>
    </message>
    <message>
        <source>Sweep the focus angle down to 0°, up to 90° and back; press again to stop</source>
        <translation>Barre el ángulo de enfoque hasta 0°, sube hasta 90° y vuelve; pulsa otra vez para parar</translation>
    </message>
    <message>
        <source>Render</source>
        <translation>Renderizar</translation>
    </message>
    <message>
        <source>Capture the scene again and rebuild the ray space and the photo</source>
        <translation>Capturar de nuevo la escena y reconstruir el espacio de rayos y la foto</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>Tomar foto</translation>
    </message>
    <message>
        <source>Take the photo again from the current ray space</source>
        <translation>Tomar de nuevo la foto a partir del espacio de rayos actual</translation>
    </message>
    <message>
        <source>Ray-space axes</source>
        <translation>Ejes del espacio de rayos</translation>
    </message>
    <message>
        <source>Show or hide the axes over the ray space</source>
        <translation>Mostrar u ocultar los ejes sobre el espacio de rayos</translation>
    </message>
    <message>
        <source>Auto render</source>
        <translation>Renderizar automáticamente</translation>
    </message>
    <message>
        <source>Ombrel renders after every edit</source>
        <translation>Ombrel renderiza tras cada edición</translation>
    </message>
    <message>
        <source>Auto photo</source>
        <translation>Foto automática</translation>
    </message>
    <message>
        <source>Ombrel takes a photo after every render and every change of the sliders</source>
        <translation>Ombrel toma una foto tras cada renderizado y cada cambio de los controles</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Focus depth</source>
        <translation>Profundidad de enfoque</translation>
    </message>
    <message>
        <source>Mark on the scene the height in focus and the band that stays sharp</source>
        <translation>Marcar en la escena la altura enfocada y la banda que sigue nítida</translation>
    </message>
    <message>
        <source>Scene and ray-space links</source>
        <translation>Enlaces entre escena y espacio de rayos</translation>
    </message>
    <message>
        <source>Hover the scene to see a point&apos;s line in ray space, a photo pixel to see its samples, ray space to see where a ray meets the scene</source>
        <translation>Pasa por la escena para ver la línea de un punto en el espacio de rayos, por un píxel de foto para ver sus muestras, por el espacio de rayos para ver dónde un rayo alcanza la escena</translation>
    </message>
    <message>
        <source>Debug output</source>
        <translation>Salida de depuración</translation>
    </message>
    <message>
        <source>Diagnostics</source>
        <translation>Diagnóstico</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Scenes</source>
        <translation>E&amp;scenas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit Ombrel</source>
        <translation>Salir de Ombrel</translation>
    </message>
</context>
<context>
    <name>OpenPanel</name>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Images (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</source>
        <translation>Imágenes (*.png *.jpg *.jpeg *.bmp *.gif *.ppm *.pgm *.xpm *.svg)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>, with title and axes</source>
        <translation>, con título y ejes</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
    <message>
        <source>Export Focal Stack &amp;Sheet…</source>
        <translation>Exportar &amp;hoja de la pila de enfoque…</translation>
    </message>
    <message>
        <source>Copy &amp;Picture</source>
        <translation>Copiar i&amp;magen</translation>
    </message>
    <message>
        <source>Copy the picture last chosen in Export (at first, the scene)</source>
        <translation>Copiar la imagen elegida por última vez en Exportar (al principio, la escena)</translation>
    </message>
    <message>
        <source>focus angle %L1°, depth of field %L2</source>
        <translation>ángulo de enfoque %L1°, profundidad de campo %L2</translation>
    </message>
    <message>
        <source>The scene (%L1)</source>
        <translation>La escena (%L1)</translation>
    </message>
    <message>
        <source>x: position along the plane lines →</source>
        <translation>x: posición a lo largo de las líneas de plano →</translation>
    </message>
    <message>
        <source>y: height (lines at %L1 and %L2) →</source>
        <translation>y: altura (líneas en %L1 y %L2) →</translation>
    </message>
    <message>
        <source>Ray space: one pixel per ray</source>
        <translation>Espacio de rayos: un píxel por rayo</translation>
    </message>
    <message>
        <source>u: where the ray crosses the upper line →</source>
        <translation>u: donde el rayo cruza la línea superior →</translation>
    </message>
    <message>
        <source>v: where the ray crosses the lower line →</source>
        <translation>v: donde el rayo cruza la línea inferior →</translation>
    </message>
    <message>
        <source>The photo (%L1)</source>
        <translation>La foto (%L1)</translation>
    </message>
    <message>
        <source>photo pixel: position on the upper line →</source>
        <translation>píxel de foto: posición en la línea superior →</translation>
    </message>
    <message>
        <source>Focal stack</source>
        <translation>Pila de enfoque</translation>
    </message>
    <message>
        <source>Could not export “%L1”: only the scene and the focal stack sheet can be drawings; choose a PNG file for %L2. Nothing was written.</source>
        <translation>No se pudo exportar «%L1»: solo la escena y la hoja de la pila de enfoque pueden ser dibujos; elige un archivo PNG para %L2. No se escribió nada.</translation>
    </message>
    <message>
        <source>Exported %L1 to “%L2”.</source>
        <translation>Se exportó %L1 a «%L2».</translation>
    </message>
    <message>
        <source>There is no picture to copy yet.</source>
        <translation>Todavía no hay ninguna imagen que copiar.</translation>
    </message>
    <message>
        <source>Copied %L1 to the clipboard.</source>
        <translation>Se copió %L1 al portapapeles.</translation>
    </message>
    <message>
        <source>The focal stack sheet is drawn from the scene&apos;s optics: close the light field (File ▸ Close Light Field) to export it.</source>
        <translation>La hoja de la pila de enfoque se dibuja a partir de la óptica de la escena: cierre el campo de luz (Archivo ▸ Cerrar campo de luz) para exportarla.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: %L2 Nothing was written.</source>
        <translation>No se pudo exportar «%L1»: %L2 No se escribió nada.</translation>
    </message>
    <message>
        <source>Could not export “%L1”: a light field&apos;s views are photographs, not drawings; choose a PNG file. Nothing was written.</source>
        <translation>No se pudo exportar «%L1»: las vistas de un campo de luz son fotografías, no dibujos; elija un archivo PNG. No se escribió nada.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>the scene</source>
        <translation>la escena</translation>
    </message>
    <message>
        <source>the ray space</source>
        <translation>el espacio de rayos</translation>
    </message>
    <message>
        <source>the ray space with marks and axes</source>
        <translation>el espacio de rayos con marcas y ejes</translation>
    </message>
    <message>
        <source>the photo</source>
        <translation>la foto</translation>
    </message>
    <message>
        <source>the whole window</source>
        <translation>toda la ventana</translation>
    </message>
    <message>
        <source>the focal stack sheet</source>
        <translation>la hoja de la pila de enfoque</translation>
    </message>
    <message>
        <source>Could not export “%1”: %2. Nothing was written.</source>
        <translation>No se pudo exportar «%1»: %2. No se escribió nada.</translation>
    </message>
    <message>
        <source>there is no picture yet</source>
        <translation>todavía no hay imagen</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>una carpeta con ese nombre lo impide</translation>
    </message>
    <message>
        <source>the central view</source>
        <translation>la vista central</translation>
    </message>
    <message>
        <source>Central view</source>
        <translation>Vista central</translation>
    </message>
    <message>
        <source>Scene</source>
        <translation>Escena</translation>
    </message>
    <message>
        <source>Ray space</source>
        <translation>Espacio de rayos</translation>
    </message>
    <message>
        <source>Ray space with marks and axes</source>
        <translation>Espacio de rayos con marcas y ejes</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Whole window</source>
        <translation>Ventana completa</translation>
    </message>
    <message>
        <source>Focal stack sheet</source>
        <translation>Hoja de la pila de enfoque</translation>
    </message>
</context>
<context>
    <name>PointSpreadPlot</name>
    <message>
        <source>Point-spread function</source>
        <translation>Función de dispersión de punto</translation>
    </message>
    <message>
        <source>%L1% up: spot %L2 photo px wide</source>
        <translation>al %L1 % de altura: mancha de %L2 píxeles de foto de ancho</translation>
    </message>
</context>
<context>
    <name>Presentation</name>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Re&amp;ducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
    <message>
        <source>&amp;Live Updates</source>
        <translation>Actualización en v&amp;ivo</translation>
    </message>
    <message>
        <source>Render while a shape is dragged, and as soon as a new one is drawn</source>
        <translation>Renderizar mientras se arrastra una forma y en cuanto se dibuja una nueva</translation>
    </message>
    <message>
        <source>%1 is the largest zoom that fits this screen</source>
        <translation>%1 es el mayor zoom que cabe en esta pantalla</translation>
    </message>
    <message>
        <source>Zoom %1</source>
        <translation>Zoom %1</translation>
    </message>
    <message>
        <source>&amp;Presentation</source>
        <translation>&amp;Presentación</translation>
    </message>
    <message>
        <source>Full screen, the views as large as the screen allows; F5 or Escape leaves</source>
        <translation>Pantalla completa, las vistas tan grandes como permite la pantalla; F5 o Escape para salir</translation>
    </message>
    <message>
        <source>Leave Presentation</source>
        <translation>Salir de la presentación</translation>
    </message>
    <message>
        <source>Presentation at %1</source>
        <translation>Presentación a %1</translation>
    </message>
</context>
<context>
    <name>RaySpaceAxes</name>
    <message>
        <source>u (upper line) →</source>
        <translation>u (línea superior) →</translation>
    </message>
    <message>
        <source>v (lower line) →</source>
        <translation>v (línea inferior) →</translation>
    </message>
    <message>
        <source>v (lower line) ↑</source>
        <translation>v (línea inferior) ↑</translation>
    </message>
</context>
<context>
    <name>SceneDocument</name>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>New Scene</source>
        <translation>Escena nueva</translation>
    </message>
    <message>
        <source>Open %1</source>
        <translation>Abrir %1</translation>
    </message>
    <message>
        <source>Opened “%1”.</source>
        <translation>Se abrió «%1».</translation>
    </message>
    <message>
        <source>Untitled.%1</source>
        <translation>Sin título.%1</translation>
    </message>
    <message>
        <source>Saved “%1”.</source>
        <translation>Se guardó «%1».</translation>
    </message>
</context>
<context>
    <name>SceneFile</name>
    <message>
        <source>%1 has no %2</source>
        <translation>%1 no tiene %2</translation>
    </message>
    <message>
        <source>%1: %2 is not an object</source>
        <translation>%1: %2 no es un objeto</translation>
    </message>
    <message>
        <source>%1: %2 is not a number</source>
        <translation>%1: %2 no es un número</translation>
    </message>
    <message>
        <source>%1: %2 is %3, outside %4 to %5</source>
        <translation>%1: %2 es %3, fuera de %4 a %5</translation>
    </message>
    <message>
        <source>, rectangle</source>
        <translation>, rectángulo</translation>
    </message>
    <message>
        <source>, colour</source>
        <translation>, color</translation>
    </message>
    <message>
        <source>%1: the image is not a text of PNG data</source>
        <translation>%1: la imagen no es un texto de datos PNG</translation>
    </message>
    <message>
        <source>%1: the image is not valid base64</source>
        <translation>%1: la imagen no es base64 válido</translation>
    </message>
    <message>
        <source>%1: the embedded image is not a PNG image</source>
        <translation>%1: la imagen incrustada no es una imagen PNG</translation>
    </message>
    <message>
        <source>%1: the embedded image is too large (%2 x %3 pixels)</source>
        <translation>%1: la imagen incrustada es demasiado grande (%2 x %3 píxeles)</translation>
    </message>
    <message>
        <source>%1: the embedded image is damaged (%2)</source>
        <translation>%1: la imagen incrustada está dañada (%2)</translation>
    </message>
    <message>
        <source>shape %1</source>
        <translation>forma %1</translation>
    </message>
    <message>
        <source>%1 is not an object</source>
        <translation>%1 no es un objeto</translation>
    </message>
    <message>
        <source>%1: %2 is not a text</source>
        <translation>%1: %2 no es un texto</translation>
    </message>
    <message>
        <source>%1 has an unknown kind %2</source>
        <translation>%1 tiene un tipo desconocido %2</translation>
    </message>
    <message>
        <source>the scene</source>
        <translation>la escena</translation>
    </message>
    <message>
        <source>its format version is not a whole number from 1 up</source>
        <translation>su versión de formato no es un número entero a partir de 1</translation>
    </message>
    <message>
        <source>it was written by a newer Ombrel (format version %1; this one reads version %2)</source>
        <translation>lo escribió un Ombrel más reciente (versión de formato %1; este lee la versión %2)</translation>
    </message>
    <message>
        <source>%1: %2 is not true or false</source>
        <translation>%1: %2 no es verdadero ni falso</translation>
    </message>
    <message>
        <source>%1: %2 is not a whole number</source>
        <translation>%1: %2 no es un número entero</translation>
    </message>
    <message>
        <source>the lesson</source>
        <translation>la lección</translation>
    </message>
    <message>
        <source>%1: %2 is not one of box, tent, gaussian, twoSlits, pinholes</source>
        <translation>%1: %2 no es uno de box, tent, gaussian, twoSlits, pinholes</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>it is not a scene file (not JSON: %1 at byte %2)</source>
        <translation>no es un archivo de escena (no es JSON: %1 en el byte %2)</translation>
    </message>
    <message>
        <source>it is JSON but not an Ombrel scene</source>
        <translation>es JSON pero no una escena de Ombrel</translation>
    </message>
    <message>
        <source>its %1 are not a list</source>
        <translation>sus %1 no son una lista</translation>
    </message>
    <message>
        <source>it holds %1 shapes, more than the %2 Ombrel opens</source>
        <translation>contiene %1 formas, más de las %2 que abre Ombrel</translation>
    </message>
    <message>
        <source>Could not open %1: %2.</source>
        <translation>No se pudo abrir %1: %2.</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>no existe ese archivo</translation>
    </message>
    <message>
        <source>it is a folder, not a scene file</source>
        <translation>es una carpeta, no un archivo de escena</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than any scene file Ombrel opens (%1 MB)</source>
        <translation>es mayor que cualquier archivo de escena que abra Ombrel (%1 MB)</translation>
    </message>
    <message>
        <source>Could not save %1: %2. Any earlier file of that name is unchanged.</source>
        <translation>No se pudo guardar %1: %2. Cualquier archivo anterior con ese nombre sigue igual.</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>una carpeta con ese nombre lo impide</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <source>Rectangle</source>
        <translation>Rectángulo</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Círculo</translation>
    </message>
    <message>
        <source>Triangle</source>
        <translation>Triángulo</translation>
    </message>
    <message>
        <source>rectangle</source>
        <comment>in a sentence</comment>
        <translation>rectángulo</translation>
    </message>
    <message>
        <source>circle</source>
        <comment>in a sentence</comment>
        <translation>círculo</translation>
    </message>
    <message>
        <source>triangle</source>
        <comment>in a sentence</comment>
        <translation>triángulo</translation>
    </message>
</context>
<context>
    <name>SlopeStrip</name>
    <message>
        <source>Depth estimated from the slopes in ray space at each photo pixel; the legend runs from the lower line (0) to the upper line (1).</source>
        <translation>Profundidad estimada a partir de las pendientes en el espacio de rayos en cada píxel de foto; la leyenda va de la línea inferior (0) a la línea superior (1).</translation>
    </message>
    <message>
        <source>λ 0: lower line</source>
        <translation>λ 0: línea inferior</translation>
    </message>
    <message>
        <source>upper line: 1</source>
        <translation>línea superior: 1</translation>
    </message>
</context>
<context>
    <name>SpectrumDock</name>
    <message>
        <source>Spectrum</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>log |DFT| of ray space: slice (orange), fan (blue)</source>
        <translation>log |DFT| del espacio de rayos: corte (naranja), abanico (azul)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects; the fan lies between the lines of the nearest and farthest shapes.</source>
        <translation>El corte es la línea que elige el ángulo de enfoque; el abanico queda entre las líneas de las formas más cercana y más lejana.</translation>
    </message>
    <message>
        <source>Photo |DFT| (black), slice values (orange)</source>
        <translation>|DFT| de la foto (negro), valores del corte (naranja)</translation>
    </message>
    <message>
        <source>Both on a log scale. They meet for a photo through the whole aperture, the projection the slice stands for.</source>
        <translation>Ambos en escala logarítmica. Coinciden para una foto a través de toda la apertura, la proyección que representa el corte.</translation>
    </message>
    <message>
        <source>Spectru&amp;m</source>
        <translation>Espectr&amp;o</translation>
    </message>
    <message>
        <source>log |DFT| of the epipolar-plane image: slice (orange)</source>
        <translation>log |DFT| de la imagen del plano epipolar: corte (naranja)</translation>
    </message>
    <message>
        <source>The slice is the line the focus angle selects. A real light field&apos;s depths are not known, so no fan is drawn.</source>
        <translation>El corte es la línea que elige el ángulo de enfoque. Las profundidades de un campo de luz real no se conocen, así que no se dibuja abanico.</translation>
    </message>
    <message>
        <source>Across: cycles along a view&apos;s %1 pixels, %2 to %3. Down: cycles across the %4 views, %5 to %6. Zero frequency at the centre.</source>
        <translation>En horizontal: ciclos a lo largo de los %1 píxeles de una vista, de %2 a %3. En vertical: ciclos a través de las %4 vistas, de %5 a %6. Frecuencia cero en el centro.</translation>
    </message>
    <message>
        <source>Across: k_u, cycles along the upper line. Down: k_r, cycles along the lower line. Zero frequency at the centre.</source>
        <translation>En horizontal: k_u, ciclos a lo largo de la línea superior. En vertical: k_r, ciclos a lo largo de la línea inferior. Frecuencia cero en el centro.</translation>
    </message>
    <message>
        <source>No light field to transform yet.</source>
        <translation>Todavía no hay campo de luz que transformar.</translation>
    </message>
</context>
<context>
    <name>StatusMessages</name>
    <message>
        <source>Rendered in %1 ms</source>
        <translation>Renderizado en %1 ms</translation>
    </message>
    <message>
        <source>Photo taken in %1 ms</source>
        <translation>Foto tomada en %1 ms</translation>
    </message>
    <message>
        <source>The ray space and the photo show the scene as it was at the last render</source>
        <translation>El espacio de rayos y la foto muestran la escena como estaba en el último renderizado</translation>
    </message>
    <message>
        <source>Scene changed: press Render</source>
        <translation>Escena modificada: pulsa Renderizar</translation>
    </message>
    <message>
        <source>Could not use “%1” as a fill: %2</source>
        <translation>No se pudo usar «%1» como relleno: %2</translation>
    </message>
</context>
<context>
    <name>TeachingAids</name>
    <message>
        <source>Show &amp;Focus Depth</source>
        <translation>Mostrar profundidad de &amp;enfoque</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>&amp;Link Scene and Ray Space</source>
        <translation>&amp;Vincular escena y espacio de rayos</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Focus on &amp;Selection</source>
        <translation>Enfocar la &amp;selección</translation>
    </message>
    <message>
        <source>Ctrl+F</source>
        <translation>Ctrl+F</translation>
    </message>
    <message>
        <source>S&amp;weep Focus</source>
        <translation>&amp;Barrer el enfoque</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>%L1°: nothing is sharp (%L2)</source>
        <translation>%L1°: nada está nítido (%L2)</translation>
    </message>
    <message>
        <source>%L1°, a pinhole: every height is sharp</source>
        <translation>%L1°, un estenopo: toda altura está nítida</translation>
    </message>
    <message>
        <source>%L1°, sharp at %L2% of the way up</source>
        <translation>%L1°, nítido al %L2 % de la altura</translation>
    </message>
    <message>
        <source>blur ≥ %L1 px</source>
        <translation>desenfoque ≥ %L1 px</translation>
    </message>
    <message>
        <source>blur &gt; 1 px</source>
        <translation>desenfoque &gt; 1 px</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2</source>
        <translation>%L1 · apertura %L2</translation>
    </message>
    <message>
        <source>pinhole</source>
        <translation>estenopo</translation>
    </message>
    <message>
        <source>%L1 each side</source>
        <translation>%L1 a cada lado</translation>
    </message>
    <message>
        <source>%L1 · aperture %L2, drawn %L3</source>
        <translation>%L1 · apertura %L2, dibujada %L3</translation>
    </message>
    <message>
        <source>Scene x = %L1, y = %L2</source>
        <translation>Escena x = %L1, y = %L2</translation>
    </message>
    <message>
        <source>%L1: outside the strip between the plane lines</source>
        <translation>%L1: fuera de la franja entre las líneas de plano</translation>
    </message>
    <message>
        <source>more than one photo pixel</source>
        <translation>más de un píxel de foto</translation>
    </message>
    <message>
        <source>%L1 photo pixels</source>
        <translation>%L1 píxeles de foto</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° focuses on it, yet it blurs over %L4</source>
        <translation>%L1: al %L2 de la altura; un ángulo de enfoque de %L3° enfoca ahí, pero se desenfoca sobre %L4</translation>
    </message>
    <message>
        <source>%L1: %L2 of the way up; a focus angle of %L3° makes it sharp</source>
        <translation>%L1: al %L2 de la altura; un ángulo de enfoque de %L3° lo enfoca</translation>
    </message>
    <message>
        <source>Ray from u = %L1 on the upper line to v = %L2 on the lower line</source>
        <translation>Rayo de u = %L1 en la línea superior a v = %L2 en la línea inferior</translation>
    </message>
    <message>
        <source>%L1: white: meets nothing</source>
        <translation>%L1: blanco: no alcanza nada</translation>
    </message>
    <message>
        <source>%L1: meets %L2</source>
        <translation>%L1: alcanza %L2</translation>
    </message>
    <message>
        <source>%L1; %L2</source>
        <translation>%L1; %L2</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the mean of %L3 of its %L4 samples</source>
        <translation>Píxel de foto %L1: %L2, la media de %L3 de sus %L4 muestras</translation>
    </message>
    <message>
        <source>Photo pixel %L1: %L2, the weighted mean of %L3 of its %L4 samples</source>
        <translation>Píxel de foto %L1: %L2, la media ponderada de %L3 de sus %L4 muestras</translation>
    </message>
    <message>
        <source>%L1; nothing is sharp (%L2)</source>
        <translation>%L1; nada está nítido (%L2)</translation>
    </message>
    <message>
        <source>%L1; a pinhole: every height is sharp</source>
        <translation>%L1; un estenopo: toda altura está nítida</translation>
    </message>
    <message>
        <source>%L1; sharp at y = %L2 (%L3 up)</source>
        <translation>%L1; nítido en y = %L2 (%L3 de altura)</translation>
    </message>
    <message numerus="yes">
        <source>%Ln sample(s) each side</source>
        <translation>
            <numerusform>%Ln muestra a cada lado</numerusform>
            <numerusform>%Ln muestras a cada lado</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>lightfieldviews::EpiView</name>
    <message>
        <source>pixel →</source>
        <translation>píxel →</translation>
    </message>
    <message>
        <source>view →</source>
        <translation>vista →</translation>
    </message>
</context>
<context>
    <name>viewaccessibility</name>
    <message>
        <source>rectangle</source>
        <translation>rectángulo</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>círculo</translation>
    </message>
    <message>
        <source>triangle</source>
        <translation>triángulo</translation>
    </message>
    <message>
        <source>no colour</source>
        <translation>sin color</translation>
    </message>
    <message>
        <source>black</source>
        <translation>negro</translation>
    </message>
    <message>
        <source>white</source>
        <translation>blanco</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>gris</translation>
    </message>
    <message>
        <source>red</source>
        <translation>rojo</translation>
    </message>
    <message>
        <source>orange</source>
        <translation>naranja</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>green</source>
        <translation>verde</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>cian</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>azul</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>morado</translation>
    </message>
    <message>
        <source>pink</source>
        <translation>rosa</translation>
    </message>
    <message>
        <source>image-filled</source>
        <translation>relleno de imagen</translation>
    </message>
    <message>
        <source>%1 %2, %3 to %4 across, %5% up</source>
        <translation>%2 %1, de %3 a %4 en horizontal, a un %5% de altura</translation>
    </message>
    <message>
        <source>Shapes between the plane lines: %1</source>
        <translation>Formas entre las líneas de plano: %1</translation>
    </message>
    <message>
        <source>selected: %1</source>
        <translation>seleccionada: %1</translation>
    </message>
    <message>
        <source>Nothing rendered yet</source>
        <translation>Aún no se ha renderizado nada</translation>
    </message>
    <message>
        <source>Every ray between the plane lines, %1 by %2: column u is where a ray crosses the upper line, row v from the bottom where it crosses the lower line</source>
        <translation>Todos los rayos entre las líneas de plano, %1 por %2: la columna u es donde un rayo cruza la línea superior, la fila v, contada desde abajo, donde cruza la línea inferior</translation>
    </message>
    <message>
        <source>A photo %1 pixels wide taken from the ray space</source>
        <translation>Una foto de %1 píxeles de ancho tomada del espacio de rayos</translation>
    </message>
    <message>
        <source>At the cursor: the ray from %1 on the upper line to %2 on the lower line, %3</source>
        <translation>En el cursor: el rayo de %1 en la línea superior a %2 en la línea inferior, %3</translation>
    </message>
    <message>
        <source>At the cursor: pixel %1, %2</source>
        <translation>En el cursor: píxel %1, %2</translation>
    </message>
</context>
</TS>
